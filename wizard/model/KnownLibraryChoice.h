// The ADO and MSXML settings dialogs' model: Brivel's pre-generated library
// (radio 0, its defaults shown and fixed) or the user's own wrapper
// (radio 1, four values to edit), and the checks of OK for the latter.
#pragma once

#include <functional>

#include "BrvString.h"

struct KnownLibraryValues {
    CString package;
    CString library;
    CString jar;
    CString docFolder;
};

class CKnownLibraryChoice {
public:
    static constexpr int kPreGenerated = 0;
    static constexpr int kOwnWrapper = 1;

    // The job's current settings and the library's defaults: a package
    // other than the default's means the user's own wrapper was chosen.
    CKnownLibraryChoice(const KnownLibraryValues& current, const KnownLibraryValues& defaults);

    int Choice() const { return m_choice; }
    void SetChoice(int choice) { m_choice = choice == kOwnWrapper ? kOwnWrapper : kPreGenerated; }
    // The four values the edits show for the choice, and whether they can
    // be edited (with their browse buttons).
    const KnownLibraryValues& Shown() const { return m_choice == kOwnWrapper ? m_own : m_defaults; }
    bool EditsEnabled() const { return m_choice == kOwnWrapper; }
    // The edits' values while the own wrapper is chosen.
    void SetOwn(const KnownLibraryValues& own) { m_own = own; }
    const KnownLibraryValues& Own() const { return m_own; }
    const KnownLibraryValues& Defaults() const { return m_defaults; }

    // OK's checks of the own wrapper's values, in order; empty when they
    // pass. `fileExists` answers for a file or folder path.
    CString CheckOwn(const std::function<bool(const char*)>& fileExists) const;

private:
    KnownLibraryValues m_defaults;
    KnownLibraryValues m_own;
    int m_choice = kPreGenerated;
};

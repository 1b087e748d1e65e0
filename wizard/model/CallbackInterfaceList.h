// The list of the callback interfaces dialog. The generation job registers
// the names upper-cased, so two names that differ only in letter case are
// one name: the second is refused like an exact repeat.
#pragma once

#include <vector>

#include "BrvString.h"

class CCallbackInterfaceList {
public:
    explicit CCallbackInterfaceList(std::vector<CString> names = {}) : m_names(std::move(names)) {}

    // Adds the name trimmed at both ends; empty when it was added, else the
    // message that says why not.
    CString Add(const char* name);
    // Removes the entry at `index` (nothing when there is none).
    void Delete(int index);

    const std::vector<CString>& Names() const { return m_names; }

private:
    std::vector<CString> m_names;
};

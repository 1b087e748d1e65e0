// The wizard's page lists and the moves between their pages: four lists
// (Java-to-COM, COM-to-Java with chosen classes, COM-to-Java from whole JAR
// files, COM-to-Java continuing a saved specification), one of them active,
// each with its own current page. Next validates the current page and moves
// on in the active list; Back moves back without validating; a page's
// ValidatePage may switch the active list (SelectWizard), and the page shown
// keeps its place when it also stands in the new list.
//
// The frame's windows are reached through INavigatorView, so the moves run
// and are tested without a window.
#pragma once

#include <vector>

#include "WizardPageHooks.h"

// The frame's window operations that navigation uses.
class INavigatorView {
public:
    virtual ~INavigatorView() = default;
    virtual void ShowPageWindow(CWizardPageHooks* page, bool show) = 0;
    virtual void InvalidatePage(CWizardPageHooks* page) = 0;
    // Gives the page's first control the focus.
    virtual void FocusFirstControl(CWizardPageHooks* page) = 0;
    // Reads the page's controls into its members; false when a value is
    // refused (the page stays).
    virtual bool ReadPageControls(CWizardPageHooks* page) = 0;
    virtual void EnableBack(bool enable) = 0;
    virtual void ShowBackButton(bool show) = 0;
    virtual void SetNextText(const char* text) = 0;
    virtual void SetCancelText(const char* text) = 0;
    virtual void InvalidatePageArea() = 0;
    virtual void SetTitle(const char* text) = 0;
    // Yes answers true.
    virtual bool AskQuestion(const char* text) = 0;
    // Closes the wizard's dialog as cancelled.
    virtual void EndWizard() = 0;
};

class CPageNavigator {
public:
    enum List { kJavaToCom = 0, kComToJavaClasses = 1, kComToJavaJars = 2, kComToJavaSaved = 3, kListCount = 4 };

    explicit CPageNavigator(INavigatorView& view) : m_view(view) {}

    void AddPage(int list, CWizardPageHooks* page);

    int ActiveList() const { return m_active; }
    int CurrentIndex() const { return m_index[m_active]; }
    // The active list's current page; null when the index lies outside it.
    CWizardPageHooks* CurrentPage() const;
    const std::vector<CWizardPageHooks*>& Pages(int list) const { return m_lists[list]; }

    // Set while the JAR-file list is active.
    bool IsJarMode() const { return m_jarMode; }
    // Set when the user gave data that Cancel would lose.
    bool IsChanged() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }

    // Makes `list` active (0 to 3) and sets the title that goes with it. The
    // page shown stays current when the new list holds it too; otherwise the
    // new list starts at its first page. Nothing is shown until ShowPage.
    void SelectWizard(int list);
    // Shows the current page of the active list and fits the buttons to it.
    void ShowPage();
    // Reads and validates the current page, then moves to the next page of
    // the (possibly switched) active list; the last page stays.
    void Next();
    // Moves back one page, without validating.
    void Back();
    // Asks before losing changes and asks the page; then closes the wizard.
    // False when the wizard stays open.
    bool Cancel();
    void Help();

private:
    bool IndexInList() const;

    INavigatorView& m_view;
    std::vector<CWizardPageHooks*> m_lists[kListCount];
    int m_index[kListCount] = {0, 0, 0, 0};
    int m_active = kJavaToCom;
    bool m_jarMode = false;
    bool m_changed = false;
};

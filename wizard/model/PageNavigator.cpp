#include "PageNavigator.h"

#include "WizardTexts.h"

void CPageNavigator::AddPage(int list, CWizardPageHooks* page) { m_lists[list].push_back(page); }

bool CPageNavigator::IndexInList() const {
    int index = m_index[m_active];
    return index >= 0 && index < static_cast<int>(m_lists[m_active].size());
}

CWizardPageHooks* CPageNavigator::CurrentPage() const {
    return IndexInList() ? m_lists[m_active][m_index[m_active]] : nullptr;
}

void CPageNavigator::SelectWizard(int list) {
    if (list < 0 || list >= kListCount) return;
    CWizardPageHooks* shown = CurrentPage();
    m_jarMode = list == kComToJavaJars;
    m_view.SetTitle(list == kJavaToCom ? wizard_text::kJavaToComTitle : wizard_text::kComToJavaTitle);
    if (list == m_active) return;

    int place = 0;
    const std::vector<CWizardPageHooks*>& pages = m_lists[list];
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i] == shown) {
            place = static_cast<int>(i);
            break;
        }
    }
    m_index[list] = place;
    for (CWizardPageHooks* page : m_lists[m_active]) m_view.ShowPageWindow(page, false);
    m_active = list;
}

void CPageNavigator::ShowPage() {
    const std::vector<CWizardPageHooks*>& pages = m_lists[m_active];
    for (CWizardPageHooks* page : pages) m_view.InvalidatePage(page);
    m_view.EnableBack(m_index[m_active] >= 1);
    CWizardPageHooks* current = CurrentPage();
    if (!current) return;

    m_view.ShowPageWindow(current, true);
    current->OnPageShown();
    m_view.FocusFirstControl(current);
    for (CWizardPageHooks* page : pages)
        if (page != current) m_view.ShowPageWindow(page, false);

    m_view.SetNextText(current->GetNextLabel());
    m_view.ShowBackButton(current->ShowBack());
    m_view.SetCancelText(current->GetCancelLabel());
    m_view.InvalidatePageArea();
}

void CPageNavigator::Next() {
    CWizardPageHooks* current = CurrentPage();
    if (!current) return;
    if (!m_view.ReadPageControls(current)) return;
    if (!current->ValidatePage()) return;
    // ValidatePage may have made another list active.
    int last = static_cast<int>(m_lists[m_active].size()) - 1;
    if (m_index[m_active] >= last) return;
    ++m_index[m_active];
    ShowPage();
}

void CPageNavigator::Back() {
    if (m_index[m_active] < 1) return;
    --m_index[m_active];
    ShowPage();
}

bool CPageNavigator::Cancel() {
    if (m_changed && !m_view.AskQuestion(wizard_text::kCancelQuestion)) return false;
    if (CWizardPageHooks* current = CurrentPage()) {
        if (!current->CanExit()) return false;
    }
    m_view.EndWizard();
    return true;
}

void CPageNavigator::Help() {
    if (CWizardPageHooks* current = CurrentPage()) current->ShowHelp();
}

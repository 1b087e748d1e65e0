// The methods dialog's member list: an owner-drawn list box whose rows are
// group headers (bold), members that can be checked, and members shown
// greyed that cannot. A member row's check box shows its selection; a click
// toggles it (a click right of the box on a checked row only selects it).
#pragma once

#include <vector>

#include "ClassListRules.h"
#include "Control.h"

class CCheckListBox : public brivel::winui::Control {
public:
    ~CCheckListBox() override;

    // Shows these rows (the list keeps them; their selections are the
    // members' own).
    void SetEntries(std::vector<MemberEntry> entries);
    std::vector<MemberEntry>& Entries() { return m_entries; }
    // The row of a list index, or null.
    MemberEntry* EntryAt(int index);
    // Shows a row's text again after its member changed.
    void RefreshEntry(int index);
    int CheckBoxWidth() const { return m_checkBoxWidth; }

    void DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HFONT HeaderFont();

    std::vector<MemberEntry> m_entries;
    int m_checkBoxWidth = 0;
    HFONT m_headerFont = nullptr;
};

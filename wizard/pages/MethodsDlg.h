// "Class Methods and Fields": the members of one class in a check list, the
// selected member's COM name, comment and parameter names to change, and the
// 32-bit forms of Java's long. Changes go straight into the class record, so
// closing keeps them. "Use for Events" closes the dialog with its flag set.
#pragma once

#include <memory>
#include <vector>

#include "CheckListBox.h"
#include "Dialog.h"
#include "OwnerDrawButton.h"

class CJavaClassSpec;
class IJavaVmHost;

class CMethodsDlg : public brivel::winui::Dialog {
public:
    CMethodsDlg(CJavaClassSpec& javaClass, IJavaVmHost* vmHost);

    bool m_useForEvents = false;

protected:
    bool OnInitDialog() override;

private:
    int SelectedRow() const;
    MemberEntry* SelectedEntry();
    void RefreshMemberControls();
    void FillParameters(int selected);
    void OnUpdateComName();
    void OnUpdateParameter();
    void OnUpdateComment();
    void OnSelectAll();
    void OnUseForEvents();
    void OnUse32BitParameters();
    void OnTruncateReturn();

    CJavaClassSpec& m_class;
    IJavaVmHost* m_vmHost;
    CCheckListBox m_list;
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

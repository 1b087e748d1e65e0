// "Select COM/ActiveX Object": the type libraries registered on the system,
// searched once per run (the list is kept for the whole process), with the
// chosen one's path below the list.
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "OwnerDrawButton.h"

class CComObjChooserDlg : public brivel::winui::Dialog {
public:
    CComObjChooserDlg();

    CString m_path;  // the chosen library's path, once OK was pressed

protected:
    bool OnInitDialog() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnSelectionChanged();

    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

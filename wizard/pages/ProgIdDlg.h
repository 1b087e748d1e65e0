// "Locate COM/ActiveX object by ProgID": the ProgID to look up.
#pragma once

#include <memory>
#include <vector>

#include "Dialog.h"
#include "OwnerDrawButton.h"

class CProgIdDlg : public brivel::winui::Dialog {
public:
    CProgIdDlg();

    CString m_progId;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

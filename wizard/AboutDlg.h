// The About box: product and version; OK closes it.
#pragma once

#include "Dialog.h"
#include "OwnerDrawButton.h"

class CAboutDlg : public brivel::winui::Dialog {
public:
    CAboutDlg();

protected:
    bool OnInitDialog() override;

private:
    COwnerDrawButton m_ok;
};

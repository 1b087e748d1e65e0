// The list of errors of a failed load of whole JAR files, one line per
// entry; "Close" ends it.
#pragma once

#include <vector>

#include "Dialog.h"
#include "OwnerDrawButton.h"

class CJarLoadErrorsDlg : public brivel::winui::Dialog {
public:
    explicit CJarLoadErrorsDlg(const std::vector<CString>& lines);

protected:
    bool OnInitDialog() override;

private:
    std::vector<CString> m_lines;
    COwnerDrawButton m_close;
};

// "Specify Java class name": adds one class, or all classes of a JAR file on
// the class path, to the project; with a class's values filled in it is the
// class's properties dialog, where only the COM name, comment and
// embedding can change. While the user has not typed a COM name, it follows
// the class name.
#pragma once

#include <vector>

#include "BrvString.h"
#include "Dialog.h"
#include "OwnerDrawButton.h"

class CComNameSet;
class IJavaVmHost;

class CClassNameDlg : public brivel::winui::Dialog {
public:
    // `classPath` is the project's (the JAR choices and the VM come from it).
    CClassNameDlg(CComNameSet& objectNames, IJavaVmHost* vmHost, const CString& classPath);

    // Filled in for the properties dialog; read after OK.
    CString m_className;
    int m_includeInherited = 0;
    int m_visual = 0;
    CString m_comName;
    CString m_comment;
    int m_loadFromJar = 0;
    CString m_jarFile;  // the chosen JAR (JAR mode)

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnClassNameChanged();
    void OnComNameChanged();
    void OnLoadFromJar();
    void EnableModeControls();
    bool CheckSingleClass();

    CComNameSet& m_objectNames;
    IJavaVmHost* m_vmHost;
    CString m_classPath;
    CString m_originalComName;
    bool m_properties = false;
    bool m_userTypedComName = false;
    bool m_settingComName = false;
    bool m_jarChoicesFilled = false;
    std::vector<std::unique_ptr<COwnerDrawButton>> m_buttons;
};

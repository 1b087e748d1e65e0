// The COM-to-Java JAR files page (JAR mode): the JAR files whose classes the
// project takes whole, and more class path. They become the project's class
// path when the specification is saved.
#pragma once

#include <vector>

#include "WizardPage.h"

class CC2jJarfilesPage : public CWizardPage {
public:
    CC2jJarfilesPage();

    std::vector<CString> m_jarFiles;  // full paths, in list order
    CString m_extraClassPath;

    bool ValidatePage() override;

protected:
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnAdd();
    void OnRemove();
    void OnAddJarToClassPath();
    void OnAddFolderToClassPath();
    void OnClear();
    void EnableRemove();
};

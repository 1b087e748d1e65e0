// The COM-to-Java class list page (chosen classes): the Java classes the COM
// object offers. Classes are added one by one or a JAR file's at a time,
// removed, given COM names, comments and flags, and their members chosen in
// the methods dialog. Next checks that the project can be built.
#pragma once

#include <vector>

#include "ClassListModel.h"
#include "WizardPage.h"

class CJavaClassSpec;

class CClassListPage : public CWizardPage {
public:
    CClassListPage();

    void OnPageShown() override;
    bool ValidatePage() override;

    // The classes as listed, in list order.
    std::vector<CJavaClassSpec*> ListedClasses() const;

private:
    CClassListModel& Model();
    CString ClassPath() const;
    std::vector<int> SelectedRows() const;
    void FillList();
    void EnableButtons();
    void ReloadSavedClasses();
    void OnAddClass();
    void AddJarClasses(const CString& jarFile);
    void OnRemoveClass();
    void OnProperties();
    void OnSpecifyMembers();

    std::unique_ptr<CClassListModel> m_model;
    const CC2jSpecification* m_reloadedFrom = nullptr;  // the loaded project whose classes were reloaded
};

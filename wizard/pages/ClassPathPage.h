// The COM-to-Java class path page: the class path the Java VM starts with,
// taken at first from the environment (without the product's own JAR) or
// from a loaded specification. Leaving it starts the VM; from then on the
// class path is fixed for the run and its controls are disabled.
#pragma once

#include "C2jSpecification.h"
#include "WizardPage.h"

class CClassPathPage : public CWizardPage, public CVmStartNotifier {
public:
    CClassPathPage();

    CString m_classPath;
    int m_dynamicClassPath = 0;

    // A loaded specification's class path and flag.
    void RefreshFromSpecification(const CC2jSpecification& spec);
    // The VM runs: its class path cannot change any more.
    void OnVmStarted() override;

    void OnPageShown() override;
    bool ValidatePage() override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(brivel::winui::DataExchange& dx) override;

private:
    void OnClear();
    void OnAddJar();
    void OnAddFolder();
    void EnableClear();
    void LockClassPath();

    bool m_filledFromFile = false;
    bool m_locked = false;
};

// The last COM-to-Java page: sends the specification to the build service
// and registers the COM DLL that comes back. Next reads "Build"; Back is
// hidden.
#pragma once

#include "WizardPage.h"

class CC2jEvalBldPage : public CWizardPage {
public:
    CC2jEvalBldPage();

    // The wizard's Cancel question about lost changes is not asked here.
    void OnPageShown() override;
    CString GetNextLabel() override { return "Build"; }
    bool ShowBack() override { return false; }
};

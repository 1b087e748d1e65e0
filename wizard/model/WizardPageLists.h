// The pages of both wizards and the order in which Next walks them, list by
// list; the start page heads every list.
#pragma once

#include "PageNavigator.h"

struct WizardPageSet {
    CWizardPageHooks* brvMain = nullptr;
    // Java-to-COM.
    CWizardPageHooks* comObj = nullptr;
    CWizardPageHooks* outputLoc = nullptr;
    CWizardPageHooks* pkg = nullptr;
    CWizardPageHooks* lib = nullptr;
    CWizardPageHooks* advanced = nullptr;
    CWizardPageHooks* finishup = nullptr;
    CWizardPageHooks* build = nullptr;
    // COM-to-Java.
    CWizardPageHooks* load = nullptr;
    CWizardPageHooks* c2jTypeSel = nullptr;
    CWizardPageHooks* c2jJarfiles = nullptr;
    CWizardPageHooks* classPath = nullptr;
    CWizardPageHooks* libName = nullptr;
    CWizardPageHooks* classList = nullptr;
    CWizardPageHooks* c2jOutputLoc = nullptr;
    CWizardPageHooks* c2jSave = nullptr;
    CWizardPageHooks* c2jEvalBld = nullptr;
};

void FillPageLists(CPageNavigator& navigator, const WizardPageSet& pages);

#include "WizardPageLists.h"

#include <initializer_list>

namespace {

void AddAll(CPageNavigator& navigator, int list, std::initializer_list<CWizardPageHooks*> pages) {
    for (CWizardPageHooks* page : pages) navigator.AddPage(list, page);
}

}  // namespace

void FillPageLists(CPageNavigator& navigator, const WizardPageSet& p) {
    for (int list = 0; list < CPageNavigator::kListCount; ++list) navigator.AddPage(list, p.brvMain);
    AddAll(navigator, CPageNavigator::kJavaToCom,
           {p.comObj, p.outputLoc, p.pkg, p.lib, p.advanced, p.finishup, p.build});
    AddAll(navigator, CPageNavigator::kComToJavaClasses,
           {p.load, p.c2jTypeSel, p.classPath, p.classList, p.libName, p.c2jOutputLoc, p.c2jSave, p.c2jEvalBld});
    AddAll(navigator, CPageNavigator::kComToJavaJars,
           {p.load, p.c2jTypeSel, p.c2jJarfiles, p.libName, p.c2jOutputLoc, p.c2jSave, p.c2jEvalBld});
    AddAll(navigator, CPageNavigator::kComToJavaSaved,
           {p.classPath, p.libName, p.classList, p.c2jOutputLoc, p.c2jSave, p.c2jEvalBld});
}

// The page lists of both wizards and the moves between their pages, with
// the frame's windows replaced by a recording view.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "PageNavigator.h"
#include "WizardPageHooks.h"
#include "WizardPageLists.h"
#include "WizardTexts.h"

namespace {

class TestPage : public CWizardPageHooks {
public:
    explicit TestPage(std::string name, const char* helpPath = kDefaultHelpPath)
        : CWizardPageHooks(helpPath), name(std::move(name)) {}

    bool ValidatePage() override {
        ++validations;
        if (onValidate) onValidate();
        return valid;
    }
    void OnPageShown() override { ++shown; }
    CString GetNextLabel() override { return nextLabel.empty() ? CWizardPageHooks::GetNextLabel() : CString(nextLabel); }
    CString GetCancelLabel() override {
        return cancelLabel.empty() ? CWizardPageHooks::GetCancelLabel() : CString(cancelLabel);
    }
    bool ShowBack() override { return showBack; }
    bool CanExit() override {
        ++exitQuestions;
        return canExit;
    }

    std::string name;
    bool valid = true;
    std::function<void()> onValidate;
    std::string nextLabel;
    std::string cancelLabel;
    bool showBack = true;
    bool canExit = true;
    int validations = 0;
    int shown = 0;
    int exitQuestions = 0;
};

class RecordingView : public INavigatorView {
public:
    void ShowPageWindow(CWizardPageHooks* page, bool show) override { visible[page] = show; }
    void InvalidatePage(CWizardPageHooks*) override {}
    void FocusFirstControl(CWizardPageHooks* page) override { focused = page; }
    bool ReadPageControls(CWizardPageHooks*) override {
        ++reads;
        return controlsReadable;
    }
    void EnableBack(bool enable) override { backEnabled = enable; }
    void ShowBackButton(bool show) override { backShown = show; }
    void SetNextText(const char* text) override { nextText = text; }
    void SetCancelText(const char* text) override { cancelText = text; }
    void InvalidatePageArea() override {}
    void SetTitle(const char* text) override { title = text; }
    bool AskQuestion(const char* text) override {
        questions.push_back(text);
        return answer;
    }
    void EndWizard() override { ended = true; }

    // The one page shown, or null when none or several are.
    CWizardPageHooks* ShownPage() const {
        CWizardPageHooks* shown = nullptr;
        for (const auto& entry : visible) {
            if (!entry.second) continue;
            if (shown) return nullptr;
            shown = entry.first;
        }
        return shown;
    }

    std::map<CWizardPageHooks*, bool> visible;
    CWizardPageHooks* focused = nullptr;
    bool controlsReadable = true;
    int reads = 0;
    bool backEnabled = true;
    bool backShown = true;
    std::string nextText;
    std::string cancelText;
    std::string title;
    std::vector<std::string> questions;
    bool answer = true;
    bool ended = false;
};

class RecordingHost : public IWizardHost {
public:
    CString InstallFolder() const override { return "C:\\Program Files\\Brivel\\"; }
    void OpenHelpPage(const char* path) override { opened.push_back(path); }
    std::vector<std::string> opened;
};

// Both wizards' pages, in the frame's lists; the start page and the
// type-selection page switch lists as the real ones do.
class Wizard : public ::testing::Test {
protected:
    Wizard() {
        WizardPageSet set;
        set.brvMain = &brvMain;
        set.comObj = &comObj;
        set.outputLoc = &outputLoc;
        set.pkg = &pkg;
        set.lib = &lib;
        set.advanced = &advanced;
        set.finishup = &finishup;
        set.build = &build;
        set.load = &load;
        set.c2jTypeSel = &typeSel;
        set.c2jJarfiles = &jarfiles;
        set.classPath = &classPath;
        set.libName = &libName;
        set.classList = &classList;
        set.c2jOutputLoc = &c2jOutputLoc;
        set.c2jSave = &c2jSave;
        set.c2jEvalBld = &evalBld;
        FillPageLists(navigator, set);
        brvMain.onValidate = [this] { navigator.SelectWizard(wizardChoice); };
        typeSel.onValidate = [this] {
            navigator.SelectWizard(jarMode ? CPageNavigator::kComToJavaJars : CPageNavigator::kComToJavaClasses);
        };
        finishup.nextLabel = "Build";
        build.cancelLabel = "Close";
        build.showBack = false;
        evalBld.nextLabel = "Build";
        evalBld.showBack = false;
    }

    std::string Shown() const {
        CWizardPageHooks* page = view.ShownPage();
        return page ? static_cast<TestPage*>(page)->name : "(none or several)";
    }

    // The names of the pages that Next reaches from the current one.
    std::vector<std::string> WalkNext(int steps) {
        std::vector<std::string> names;
        for (int i = 0; i < steps; ++i) {
            navigator.Next();
            names.push_back(Shown());
        }
        return names;
    }

    RecordingView view;
    CPageNavigator navigator{view};
    int wizardChoice = CPageNavigator::kJavaToCom;
    bool jarMode = false;
    TestPage brvMain{"BrvMain"}, comObj{"ComObj"}, outputLoc{"OutputLoc"}, pkg{"Pkg"}, lib{"Lib"},
        advanced{"Advanced"}, finishup{"Finishup"}, build{"Build"}, load{"Load"}, typeSel{"TypeSel"},
        jarfiles{"Jarfiles"}, classPath{"ClassPath"}, libName{"LibName"}, classList{"ClassList"},
        c2jOutputLoc{"C2jOutputLoc"}, c2jSave{"C2jSave"}, evalBld{"EvalBld"};
};

using Names = std::vector<std::string>;

}  // namespace

TEST(WizardPageHooks, DefaultsLetThePageGoWithNextCancelAndBack) {
    CWizardPageHooks page;
    EXPECT_TRUE(page.ValidatePage());
    EXPECT_EQ(page.GetNextLabel(), "Next>");
    EXPECT_EQ(page.GetCancelLabel(), "Cancel");
    EXPECT_TRUE(page.ShowBack());
    EXPECT_TRUE(page.CanExit());
    page.OnPageShown();  // does nothing, and needs no frame
    page.ShowHelp();
}

TEST(WizardPageHooks, HelpOpensThePagesHelpBelowTheInstallFolder) {
    RecordingHost host;
    CWizardPageHooks plain;
    CWizardPageHooks own("help\\java2com\\Page3.html");
    plain.SetHost(&host);
    own.SetHost(&host);
    plain.ShowHelp();
    own.ShowHelp();
    EXPECT_EQ(host.opened, (Names{"C:\\Program Files\\Brivel\\help\\index.html",
                                  "C:\\Program Files\\Brivel\\help\\java2com\\Page3.html"}));
}

TEST_F(Wizard, NextWalksTheJavaToComListAndBackReturnsWithoutValidating) {
    navigator.ShowPage();
    EXPECT_EQ(Shown(), "BrvMain");
    EXPECT_FALSE(view.backEnabled);
    EXPECT_EQ(WalkNext(7), (Names{"ComObj", "OutputLoc", "Pkg", "Lib", "Advanced", "Finishup", "Build"}));
    EXPECT_TRUE(view.backEnabled);
    EXPECT_EQ(view.title, wizard_text::kJavaToComTitle);

    int validations = lib.validations + advanced.validations + finishup.validations;
    navigator.Back();  // the build page hides Back, but the move itself works
    navigator.Back();
    navigator.Back();
    EXPECT_EQ(Shown(), "Lib");
    EXPECT_EQ(lib.validations + advanced.validations + finishup.validations, validations);
    for (int i = 0; i < 5; ++i) navigator.Back();
    EXPECT_EQ(Shown(), "BrvMain");
    EXPECT_EQ(navigator.CurrentIndex(), 0);
    EXPECT_FALSE(view.backEnabled);
}

TEST_F(Wizard, ShowingAPageFitsTheButtonsToItAndTellsItEveryTime) {
    navigator.ShowPage();
    WalkNext(5);
    EXPECT_EQ(Shown(), "Advanced");
    EXPECT_EQ(view.nextText, "Next>");
    EXPECT_EQ(view.cancelText, "Cancel");
    EXPECT_TRUE(view.backShown);
    EXPECT_EQ(view.focused, &advanced);

    navigator.Next();
    EXPECT_EQ(view.nextText, "Build");
    navigator.Next();
    EXPECT_EQ(Shown(), "Build");
    EXPECT_EQ(view.cancelText, "Close");
    EXPECT_FALSE(view.backShown);

    navigator.Back();
    navigator.Back();
    navigator.Next();
    EXPECT_EQ(Shown(), "Finishup");
    EXPECT_EQ(finishup.shown, 3);
    EXPECT_TRUE(view.backShown);
    EXPECT_EQ(view.cancelText, "Cancel");
}

TEST_F(Wizard, NextOnTheLastPageOnlyValidatesIt) {
    navigator.ShowPage();
    WalkNext(7);
    ASSERT_EQ(Shown(), "Build");
    navigator.Next();
    navigator.Next();
    EXPECT_EQ(Shown(), "Build");
    EXPECT_EQ(build.validations, 2);
    EXPECT_EQ(navigator.CurrentIndex(), 7);
}

TEST_F(Wizard, APageThatRefusesOrWhoseControlsCannotBeReadKeepsTheUser) {
    navigator.ShowPage();
    navigator.Next();
    comObj.valid = false;
    navigator.Next();
    EXPECT_EQ(Shown(), "ComObj");
    EXPECT_EQ(comObj.validations, 1);

    comObj.valid = true;
    view.controlsReadable = false;
    navigator.Next();
    EXPECT_EQ(Shown(), "ComObj");
    EXPECT_EQ(comObj.validations, 1);  // not asked when its controls could not be read

    view.controlsReadable = true;
    navigator.Next();
    EXPECT_EQ(Shown(), "OutputLoc");
}

TEST_F(Wizard, TheStartPagesChoiceMakesItsListActive) {
    navigator.ShowPage();
    wizardChoice = CPageNavigator::kComToJavaClasses;
    EXPECT_EQ(WalkNext(8), (Names{"Load", "TypeSel", "ClassPath", "ClassList", "LibName", "C2jOutputLoc",
                                  "C2jSave", "EvalBld"}));
    EXPECT_EQ(navigator.ActiveList(), CPageNavigator::kComToJavaClasses);
    EXPECT_EQ(view.title, wizard_text::kComToJavaTitle);
    EXPECT_FALSE(navigator.IsJarMode());
    EXPECT_EQ(view.nextText, "Build");
    EXPECT_FALSE(view.backShown);
}

TEST_F(Wizard, JarModeOnTheTypeSelectionPageKeepsThePageAndNextGoesOnInTheJarList) {
    navigator.ShowPage();
    wizardChoice = CPageNavigator::kComToJavaClasses;
    WalkNext(2);
    ASSERT_EQ(Shown(), "TypeSel");
    jarMode = true;
    EXPECT_EQ(WalkNext(5), (Names{"Jarfiles", "LibName", "C2jOutputLoc", "C2jSave", "EvalBld"}));
    EXPECT_EQ(navigator.ActiveList(), CPageNavigator::kComToJavaJars);
    EXPECT_TRUE(navigator.IsJarMode());
    for (int i = 0; i < 5; ++i) navigator.Back();
    EXPECT_EQ(Shown(), "TypeSel");
    // The list switch hid every page of the old list; the new one shows one.
    EXPECT_FALSE(view.visible[&classPath]);
}

TEST_F(Wizard, JarModeThenBackToTheStartAndComToJavaAgainGoesToTheLoadPage) {
    navigator.ShowPage();
    wizardChoice = CPageNavigator::kComToJavaClasses;
    WalkNext(2);
    jarMode = true;
    navigator.Next();
    ASSERT_EQ(Shown(), "Jarfiles");
    navigator.Back();
    navigator.Back();
    navigator.Back();
    ASSERT_EQ(Shown(), "BrvMain");
    navigator.Next();
    EXPECT_EQ(Shown(), "Load");
    EXPECT_EQ(navigator.ActiveList(), CPageNavigator::kComToJavaClasses);
    EXPECT_FALSE(navigator.IsJarMode());
    navigator.Next();
    jarMode = false;
    navigator.Next();
    EXPECT_EQ(Shown(), "ClassPath");
}

TEST_F(Wizard, ALoadedSpecificationContinuesOnTheClassPathPage) {
    navigator.ShowPage();
    wizardChoice = CPageNavigator::kComToJavaClasses;
    navigator.Next();
    ASSERT_EQ(Shown(), "Load");
    load.onValidate = [this] { navigator.SelectWizard(CPageNavigator::kComToJavaSaved); };
    EXPECT_EQ(WalkNext(6), (Names{"ClassPath", "LibName", "ClassList", "C2jOutputLoc", "C2jSave", "EvalBld"}));
    EXPECT_EQ(navigator.ActiveList(), CPageNavigator::kComToJavaSaved);
    EXPECT_EQ(view.title, wizard_text::kComToJavaTitle);
    for (int i = 0; i < 6; ++i) navigator.Back();
    EXPECT_EQ(Shown(), "BrvMain");  // the saved list starts with the start page too
}

TEST_F(Wizard, SelectingTheActiveListAgainOnlySetsTheTitle) {
    navigator.ShowPage();
    WalkNext(3);
    ASSERT_EQ(Shown(), "Pkg");
    navigator.SelectWizard(CPageNavigator::kJavaToCom);
    EXPECT_EQ(navigator.CurrentIndex(), 3);
    EXPECT_EQ(view.title, wizard_text::kJavaToComTitle);
    navigator.SelectWizard(7);  // not a list
    EXPECT_EQ(navigator.ActiveList(), CPageNavigator::kJavaToCom);
}

TEST_F(Wizard, CancelAsksAboutChangesOnlyWhenThereAreSomeAndThenAsksThePage) {
    navigator.ShowPage();
    navigator.Next();
    EXPECT_TRUE(navigator.Cancel());
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(comObj.exitQuestions, 1);
    EXPECT_TRUE(view.ended);

    view.ended = false;
    navigator.SetChanged(true);
    view.answer = false;
    EXPECT_FALSE(navigator.Cancel());
    EXPECT_EQ(view.questions, (Names{wizard_text::kCancelQuestion}));
    EXPECT_EQ(comObj.exitQuestions, 1);  // No ends it before the page is asked
    EXPECT_FALSE(view.ended);

    view.answer = true;
    comObj.canExit = false;
    EXPECT_FALSE(navigator.Cancel());
    EXPECT_EQ(comObj.exitQuestions, 2);
    EXPECT_FALSE(view.ended);

    comObj.canExit = true;
    EXPECT_TRUE(navigator.Cancel());
    EXPECT_TRUE(view.ended);
}

TEST_F(Wizard, HelpIsThePagesOwn) {
    RecordingHost host;
    TestPage withHelp("WithHelp", "help\\java2com\\Page1.html");
    withHelp.SetHost(&host);
    RecordingView otherView;
    CPageNavigator single(otherView);
    single.AddPage(CPageNavigator::kJavaToCom, &withHelp);
    single.Help();
    EXPECT_EQ(host.opened, (Names{"C:\\Program Files\\Brivel\\help\\java2com\\Page1.html"}));
}

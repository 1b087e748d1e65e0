// The control's form in a container on the display: its fields and what
// the page set, its colours and site, and the checks of "Build DLL" that
// stop before the network.
#include "FormFixture.h"

using namespace brivel::uploadctl::testing;

TEST_F(UploaderForm, TheFormIsTheControlsWindowInTheContainer) {
    ASSERT_EQ(Activate(), S_OK);
    HWND form = Form();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(GetParent(form), container_.Window());
    EXPECT_TRUE(container_.inPlaceActive);
    EXPECT_EQ(WindowText(form), "");
    EXPECT_EQ(Item(kBrowse), "Browse...");
    EXPECT_EQ(Item(kBuildDll), "Build DLL");
    EXPECT_EQ(Item(kExplanation), kExplanationText);
    for (int id : {kPackageName, kLibraryName, kComFile, kBrowse, kBuildDll, kExplanation})
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_FALSE(Visible(kProgress));
    EXPECT_FALSE(Visible(kStatus));
    for (int id : {kPackageName, kLibraryName, kComFile})
        EXPECT_EQ(SendDlgItemMessageA(form, id, EM_GETLIMITTEXT, 0, 0), 510) << id;
    std::string labels;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == -1 || GetDlgCtrlID(child) == 0xFFFF) labels += WindowText(child) + "|";
    EXPECT_EQ(labels, "Package Name:|Library Name:|COM file:|");

    ASSERT_EQ(control_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &container_, 0, container_.Window(), nullptr), S_OK);
    EXPECT_TRUE(container_.uiActive);
    EXPECT_NE(container_.activeObject, nullptr);
    control_->Close(OLECLOSE_NOSAVE);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_FALSE(container_.inPlaceActive);
    EXPECT_FALSE(container_.uiActive);
}

TEST_F(UploaderForm, ActivatedAgainAfterItsWindowWentTheControlLetsTheEarlierActivationGo) {
    const LONG siteOnly = container_.references;
    ASSERT_EQ(Activate(), S_OK);
    const LONG active = container_.references;
    EXPECT_GT(active, siteOnly);
    HWND first = Form();
    container_.ReplaceWindow();  // no InPlaceDeactivate
    EXPECT_FALSE(IsWindow(first));
    ASSERT_EQ(Activate(), S_OK);
    ASSERT_NE(Form(), nullptr);
    EXPECT_EQ(GetParent(Form()), container_.Window());
    EXPECT_TRUE(container_.inPlaceActive);
    EXPECT_EQ(container_.references, active);
    EXPECT_TRUE(Visible(kBuildDll));
    control_->Close(OLECLOSE_NOSAVE);
    EXPECT_FALSE(container_.inPlaceActive);
    EXPECT_EQ(container_.references, siteOnly);
}

TEST_F(UploaderForm, WhatThePageSetFillsTheFieldsBeforeAndAfterTheFormOpens) {
    TestPropertyBag bag;
    bag.SetText(L"PackageName", L"bag.pkg");
    bag.SetText(L"LibraryName", L"JBag");
    bag.SetText(L"InitialText", L"Upload your control here.");
    IPersistPropertyBag* persist = nullptr;
    ASSERT_EQ(control_->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist)), S_OK);
    ASSERT_EQ(persist->Load(&bag, nullptr), S_OK);
    persist->Release();
    ASSERT_EQ(Activate(), S_OK);
    EXPECT_EQ(Item(kPackageName), "bag.pkg");
    EXPECT_EQ(Item(kLibraryName), "JBag");
    EXPECT_EQ(Item(kComFile), "");
    EXPECT_EQ(Item(kExplanation), "Upload your control here.");

    ASSERT_EQ(PutText(Dispatch(), L"comFileName", L"C:\\controls\\x.ocx"), S_OK);
    EXPECT_EQ(Item(kComFile), "C:\\controls\\x.ocx");
    ASSERT_EQ(PutText(Dispatch(), L"initialText", L""), S_OK);
    EXPECT_EQ(Item(kExplanation), "Upload your control here.");
}

TEST_F(UploaderForm, TheSiteIsAskedForTheBrowserWhichIsReleasedWithTheSite) {
    EXPECT_EQ(container_.browserQueries, 1);
    EXPECT_EQ(container_.browser.references, 1);
    ASSERT_EQ(control_->SetClientSite(nullptr), S_OK);
    EXPECT_EQ(container_.browser.references, 0);
    ASSERT_EQ(control_->SetClientSite(&container_), S_OK);
    EXPECT_EQ(container_.browserQueries, 2);
}

TEST_F(UploaderForm, TheFormTakesTheContainersBackgroundColour) {
    ASSERT_EQ(Activate(), S_OK);
    auto brushColour = [&] {
        HDC dc = GetDC(Form());
        auto brush = reinterpret_cast<HBRUSH>(SendMessageA(Form(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                           reinterpret_cast<LPARAM>(Form())));
        ReleaseDC(Form(), dc);
        LOGBRUSH described = {};
        if (!brush || !GetObjectA(brush, sizeof described, &described)) return static_cast<COLORREF>(CLR_INVALID);
        return described.lbColor;
    };
    EXPECT_EQ(brushColour(), RGB(0x12, 0x34, 0x56));
    container_.backColor = 0x80000000 | COLOR_INFOBK;  // a system colour, as containers may give it
    IOleControl* control = nullptr;
    ASSERT_EQ(control_->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control)), S_OK);
    ASSERT_EQ(control->OnAmbientPropertyChange(DISPID_AMBIENT_BACKCOLOR), S_OK);
    control->Release();
    EXPECT_EQ(brushColour(), GetSysColor(COLOR_INFOBK));
}

TEST_F(UploaderForm, BuildDllNamesTheFirstEmptyField) {
    ASSERT_EQ(Activate(), S_OK);
    Fill("", "JLib", "C:\\x.ocx");
    Click(kBuildDll);
    CDialogAnswerer::Seen box = WaitForBox(1);
    EXPECT_EQ(box.caption, "Missing Input");
    EXPECT_EQ(box.text, "Field \"Package Name\" is empty");
    Fill("p", "", "C:\\x.ocx");
    Click(kBuildDll);
    EXPECT_EQ(WaitForBox(2).text, "Field \"Library Name (for JNI DLL)\" is empty");
    Fill("p", "JLib", "");
    Click(kBuildDll);
    EXPECT_EQ(WaitForBox(3).text, "Field \"COM File Name\" is empty");
    EXPECT_TRUE(Visible(kBuildDll));
    EXPECT_FALSE(Visible(kStatus));
}

TEST_F(UploaderForm, ALibraryNameThatIsNoFileNameIsRefusedBeforeAnything) {
    ASSERT_EQ(Activate(), S_OK);
    Fill("p", "..\\..\\windows\\system32\\evil", TypeLibraryPath());
    Click(kBuildDll);
    CDialogAnswerer::Seen box = WaitForBox(1);
    EXPECT_EQ(box.caption, "Invalid Input");
    EXPECT_EQ(box.text.rfind("The library name \"..\\..\\windows\\system32\\evil\" cannot name a DLL", 0), 0u)
        << box.text;
    EXPECT_TRUE(Visible(kBuildDll));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Form(), kBuildDll)));
}

TEST_F(UploaderForm, AFileWithoutATypeLibraryIsRefused) {
    ASSERT_EQ(Activate(), S_OK);
    WriteFileBytes(Path("not-a-library.dll"), "just text");
    Fill("p", "JLib", Path("not-a-library.dll"));
    Click(kBuildDll);
    CDialogAnswerer::Seen box = WaitForBox(1);
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.text, "File does not have a COM interface");
    EXPECT_TRUE(Visible(kBuildDll));
}

TEST_F(UploaderForm, BrowseOpensTheComFileDialog) {
    ASSERT_EQ(Activate(), S_OK);
    SetDlgItemTextA(Form(), kComFile, "C:\\before.ocx");
    Click(kBrowse);
    EXPECT_TRUE(PumpUntil([&] { return !answerer_.Dialogs().empty(); }));
    EXPECT_EQ(answerer_.Dialogs().at(0).rfind("COM File", 0), 0u) << answerer_.Dialogs().at(0);
    EXPECT_EQ(Item(kComFile), "C:\\before.ocx");  // cancelled
}

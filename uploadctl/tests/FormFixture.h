// The control hosted in a container of the test's own on a real display,
// driven through its form's control ids as a user drives it, with a thread
// that answers its dialogs.
#pragma once

#include "ServerFixture.h"

#include <olectl.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "DialogAnswerer.h"
#include "DispatchClient.h"
#include "TempFolder.h"
#include "TestContainer.h"
#include "TestPropertyBag.h"

namespace brivel::uploadctl::testing {

using brivel::testing::ReadFileBytes;
using brivel::testing::WriteFileBytes;

inline constexpr int kPackageName = 201, kLibraryName = 202, kComFile = 203, kBrowse = 205, kProgress = 206, kStatus = 207,
              kBuildDll = 208, kExplanation = 211;
inline constexpr int kSystemFolder = 201, kWindowsFolder = 202, kOtherLocation = 203, kSaveBrowse = 204, kSavePath = 205;
inline constexpr char kExplanationText[] =
    "When you click \"Build DLL\", your COM object will be uploaded to the server.  This process may take some time, "
    "depending upon your network connection and the size of your COM object.  The build process will take another "
    "5-15 seconds (typically.)";
inline constexpr char kBuiltDll[] = "MZ built through the form";

inline std::string TypeLibraryPath() {
    std::string path = std::string("Z:") + UPLOADCTL_TLB;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

inline std::string FolderOf(UINT(WINAPI* get)(LPSTR, UINT)) {
    char folder[MAX_PATH + 1] = "";
    get(folder, sizeof folder);
    return folder;
}

class UploaderForm : public brivel::testing::TempFolderTest {
protected:
    void SetUp() override {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display) GTEST_SKIP() << "needs a display";
        TempFolderTest::SetUp();
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        ASSERT_TRUE(server_.Loaded());
        control_ = server_.Create<IOleObject>(IID_IOleObject);
        ASSERT_NE(control_, nullptr);
        ASSERT_EQ(control_->SetClientSite(&container_), S_OK);
    }
    void TearDown() override {
        if (control_) {
            control_->Close(OLECLOSE_NOSAVE);
            control_->SetClientSite(nullptr);
            control_->Release();
        }
        if (HasFatalFailure() || IsSkipped()) return;
        CoUninitialize();
        TempFolderTest::TearDown();
    }

    HRESULT Activate() {
        RECT position = {10, 10, 610, 330};
        return control_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &container_, 0, container_.Window(), &position);
    }
    HWND Form() {
        IOleInPlaceObject* inPlace = nullptr;
        if (FAILED(control_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) return nullptr;
        HWND window = nullptr;
        inPlace->GetWindow(&window);
        inPlace->Release();
        return window;
    }
    IDispatch* Dispatch() {
        IDispatch* dispatch = nullptr;
        control_->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
        dispatch->Release();  // the control holds it
        return dispatch;
    }
    std::string Item(int id) { return WindowText(GetDlgItem(Form(), id)); }
    bool Visible(int id) { return IsWindowVisible(GetDlgItem(Form(), id)) != FALSE; }
    void Fill(const std::string& package, const std::string& library, const std::string& comFile) {
        SetDlgItemTextA(Form(), kPackageName, package.c_str());
        SetDlgItemTextA(Form(), kLibraryName, library.c_str());
        SetDlgItemTextA(Form(), kComFile, comFile.c_str());
    }
    // A click on a button of the form, on this (the page's) thread.
    void Click(int id) { SendMessageA(GetDlgItem(Form(), id), BM_CLICK, 0, 0); }
    // The last message box, once there are `count`.
    CDialogAnswerer::Seen WaitForBox(size_t count) {
        EXPECT_TRUE(PumpUntil([&] { return answerer_.Boxes().size() >= count; })) << "no message box " << count;
        auto boxes = answerer_.Boxes();
        return boxes.size() >= count ? boxes[count - 1] : CDialogAnswerer::Seen{"<none>", "<none>"};
    }

    CTestContainer container_;
    LoadedServer server_;
    IOleObject* control_ = nullptr;
    CDialogAnswerer answerer_;
};

}  // namespace brivel::uploadctl::testing

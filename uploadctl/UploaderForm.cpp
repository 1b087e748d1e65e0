#include "UploaderForm.h"

#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "AnsiText.h"
#include "ComFileRequest.h"
#include "ProgressFill.h"
#include "SaveDllDlg.h"
#include "ServerModule.h"
#include "UploadJob.h"
#include "UploaderTexts.h"
#include "resource.h"

namespace brivel::uploadctl {
namespace {

// GetRequiredField reads at most this many characters of a field; the
// fields take no more.
constexpr int kFieldCharacters = static_cast<int>(kMaxFieldLength);
constexpr COLORREF kProgressDone = RGB(0, 255, 0);
constexpr COLORREF kProgressToDo = RGB(0, 0, 255);

void ShowItem(HWND dialog, int id, bool show) { ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE); }

}  // namespace

bool HasTypeLibrary(const std::string& path) {
    HRESULT com = CoInitialize(nullptr);
    ITypeLib* library = nullptr;
    std::wstring widePath = WideFromAnsi(path);
    bool loaded = !widePath.empty() && SUCCEEDED(LoadTypeLibEx(widePath.c_str(), REGKIND_NONE, &library));
    if (library) library->Release();
    if (SUCCEEDED(com)) CoUninitialize();
    return loaded;
}

CUploaderForm::~CUploaderForm() {
    Destroy();
    if (backBrush_) DeleteObject(backBrush_);
}

bool CUploaderForm::Create(HWND parent, const RECT& position) {
    if (Window()) return true;
    HWND dialog = CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_EVALUPLOADER), parent, &DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!dialog) return false;
    SetWindowPos(dialog, nullptr, position.left, position.top, position.right - position.left,
                 position.bottom - position.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(dialog, SW_SHOWNA);
    return true;
}

void CUploaderForm::Destroy() {
    HWND window;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        window = window_;
        window_ = nullptr;
    }
    if (window) DestroyWindow(window);
}

HWND CUploaderForm::Window() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return window_;
}

void CUploaderForm::SetBackColor(COLORREF color) {
    if (hasBackColor_ && color == backColor_) return;
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = CreateSolidBrush(color);
    backColor_ = color;
    hasBackColor_ = true;
    if (HWND window = Window()) InvalidateRect(window, nullptr, TRUE);
}

void CUploaderForm::ShowProperties() {
    for (auto property : {UploaderProperty::PackageName, UploaderProperty::LibraryName, UploaderProperty::ComFileName,
                          UploaderProperty::InitialText})
        ShowProperty(property);
}

void CUploaderForm::ShowProperty(UploaderProperty property) {
    HWND dialog = Window();
    const std::string& value = properties_.Get(property);
    if (!dialog || value.empty()) return;
    switch (property) {
    case UploaderProperty::PackageName: SetDlgItemTextA(dialog, IDC_PACKAGE_NAME, value.c_str()); break;
    case UploaderProperty::LibraryName: SetDlgItemTextA(dialog, IDC_LIBRARY_NAME, value.c_str()); break;
    case UploaderProperty::ComFileName: SetDlgItemTextA(dialog, IDC_COM_FILE, value.c_str()); break;
    case UploaderProperty::InitialText: SetDlgItemTextA(dialog, IDC_EXPLANATION, value.c_str()); break;
    default: break;
    }
}

HBRUSH CUploaderForm::BackgroundBrush(HDC dc) {
    if (!hasBackColor_) return nullptr;
    SetBkColor(dc, backColor_);
    return backBrush_;
}

INT_PTR CALLBACK CUploaderForm::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CUploaderForm*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        self = reinterpret_cast<CUploaderForm*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        self->OnInitDialog(dialog);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return self ? reinterpret_cast<INT_PTR>(self->BackgroundBrush(reinterpret_cast<HDC>(wParam))) : 0;
    case WM_COMMAND:
        if (!self || HIWORD(wParam) != BN_CLICKED) return FALSE;
        if (LOWORD(wParam) == IDC_BROWSE) self->OnBrowse();
        else if (LOWORD(wParam) == IDC_BUILD_DLL) self->OnBuildDll();
        else return FALSE;
        return TRUE;
    case WM_DESTROY:
        if (self) {
            std::lock_guard<std::mutex> lock(self->mutex_);
            if (self->window_ == dialog) self->window_ = nullptr;
        }
        return FALSE;
    }
    return FALSE;
}

void CUploaderForm::OnInitDialog(HWND dialog) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        window_ = dialog;
    }
    HWND progress = GetDlgItem(dialog, IDC_PROGRESS);
    SetWindowLongPtrA(progress, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    staticProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(progress, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ProgressBarWndProc)));
    for (int id : {IDC_PACKAGE_NAME, IDC_LIBRARY_NAME, IDC_COM_FILE})
        SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kFieldCharacters, 0);
    ShowProperties();
    if (building_) {
        std::string status;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            status = status_;
        }
        SetDlgItemTextA(dialog, IDC_STATUS, status.c_str());
        ShowUpload(dialog);
    }
}

// The status line and the bar (until the upload hides it) in place of the
// button, the explanation and "Browse...".
void CUploaderForm::ShowUpload(HWND dialog) {
    for (int id : {IDC_BROWSE, IDC_EXPLANATION, IDC_BUILD_DLL}) ShowItem(dialog, id, false);
    ShowItem(dialog, IDC_STATUS, true);
    ShowItem(dialog, IDC_PROGRESS, !progressHidden_);
}

// Every message but painting goes to the static's own procedure.
LRESULT CALLBACK CUploaderForm::ProgressBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<CUploaderForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_PAINT && self) {
        self->PaintProgress(window);
        return 0;
    }
    return CallWindowProcA(self ? self->staticProc_ : DefWindowProcA, window, message, wParam, lParam);
}

void CUploaderForm::PaintProgress(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    int done = ProgressFillWidth(client.right - client.left, progressCount_.load(), progressTotal_.load());
    RECT left = client, right = client;
    left.right = client.left + done;
    right.left = left.right;
    HBRUSH green = CreateSolidBrush(kProgressDone);
    HBRUSH blue = CreateSolidBrush(kProgressToDo);
    FillRect(dc, &left, green);
    FillRect(dc, &right, blue);
    FrameRect(dc, &client, blue);
    DeleteObject(green);
    DeleteObject(blue);
    EndPaint(window, &paint);
}

void CUploaderForm::OnBrowse() {
    HWND dialog = Window();
    std::vector<char> file(MAX_PATH, '\0');
    const std::string filter = std::string(texts::kComFilesFilter) + '\0' + texts::kComFilesPatterns + '\0' +
                               texts::kAllFilesFilter + '\0' + texts::kAllFilesPattern + '\0' + '\0';
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = file.data();
    open.nMaxFile = static_cast<DWORD>(file.size());
    open.lpstrTitle = texts::kOpenTitle;
    open.lpstrDefExt = "dll";
    open.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (GetOpenFileNameA(&open)) SetDlgItemTextA(dialog, IDC_COM_FILE, file.data());
}

bool CUploaderForm::GetRequiredField(int id, const char* name, std::string& value) {
    HWND dialog = Window();
    std::vector<char> text(kFieldCharacters + 1, '\0');
    UINT length = GetDlgItemTextA(dialog, id, text.data(), kFieldCharacters + 1);
    value.assign(text.data(), length);
    if (!value.empty()) return true;
    MessageBoxA(dialog, texts::FieldEmptyText(name).c_str(), texts::kMissingInput, MB_OK);
    return false;
}

void CUploaderForm::OnBuildDll() {
    HWND dialog = Window();
    std::string packageName, libraryName, comFileName;
    if (!GetRequiredField(IDC_PACKAGE_NAME, texts::kPackageNameField, packageName) ||
        !GetRequiredField(IDC_LIBRARY_NAME, texts::kLibraryNameField, libraryName) ||
        !GetRequiredField(IDC_COM_FILE, texts::kComFileNameField, comFileName))
        return;
    // The library name is the saved DLL's name: it may not lead elsewhere.
    if (!IsPlainFileName(libraryName)) {
        MessageBoxA(dialog, texts::NotALibraryNameText(libraryName).c_str(), texts::kInvalidInput, MB_OK);
        return;
    }
    properties_.Set(UploaderProperty::PackageName, packageName);
    properties_.Set(UploaderProperty::LibraryName, libraryName);
    properties_.Set(UploaderProperty::ComFileName, comFileName);

    if (!HasTypeLibrary(comFileName)) {
        MessageBoxA(dialog, texts::kNoComInterface, texts::kError, MB_OK);
        return;
    }
    HWND build = GetDlgItem(dialog, IDC_BUILD_DLL);
    EnableWindow(build, FALSE);
    auto job = std::make_shared<CUploadJob>();
    UploadFailure failure;
    if (!job->Start(RequestFromProperties(properties_, 0), comFileName, properties_.Get(UploaderProperty::HostName),
                    properties_.Get(UploaderProperty::TargetUrl), failure)) {
        MessageBoxA(dialog, failure.text.c_str(), failure.caption.c_str(), MB_OK);
        EnableWindow(build, TRUE);
        return;
    }
    building_ = true;
    ShowUpload(dialog);

    std::shared_ptr<CUploaderForm> form = shared_from_this();
    if (!StartModuleThread([form, job] { job->Run(*form); })) {
        std::string text = SystemErrorText(GetLastError());
        SetStatus(text);
        MessageBoxA(dialog, text.c_str(), texts::kError, MB_OK);
        HideProgress();
    }
}

void CUploaderForm::SetStatus(const std::string& text) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        status_ = text;
    }
    if (HWND dialog = Window()) SetDlgItemTextA(dialog, IDC_STATUS, text.c_str());
}

void CUploaderForm::ShowMessage(const std::string& text, const std::string& caption) {
    if (HWND dialog = Window()) MessageBoxA(dialog, text.c_str(), caption.c_str(), MB_OK);
}

void CUploaderForm::SetProgress(uint32_t count, uint32_t total) {
    progressTotal_ = total;
    progressCount_ = count;
    if (HWND dialog = Window()) InvalidateRect(GetDlgItem(dialog, IDC_PROGRESS), nullptr, FALSE);
}

void CUploaderForm::HideProgress() {
    progressHidden_ = true;
    if (HWND dialog = Window()) ShowWindow(GetDlgItem(dialog, IDC_PROGRESS), SW_HIDE);
}

bool CUploaderForm::ChooseSaveLocation(const SaveDialogInput& input, SaveLocation& chosen) {
    HWND dialog = Window();
    if (!dialog) return false;
    CSaveDllDlg save(input);
    return save.DoModal(dialog, chosen);
}

// The shell may hand the start to COM objects: the upload thread has not
// initialised COM itself.
bool CUploaderForm::OpenAddress(const std::string& address) {
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    HINSTANCE result = ShellExecuteA(GetDesktopWindow(), "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (SUCCEEDED(com)) CoUninitialize();
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace brivel::uploadctl

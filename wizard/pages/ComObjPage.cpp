#include "ComObjPage.h"

#include <oleauto.h>

#include <vector>

#include "MessageBoxes.h"
#include "WizardDlg.h"
#include "resource.h"

namespace {

CString FullPath(const CString& path) {
    DWORD needed = GetFullPathNameA(path, 0, nullptr, nullptr);
    if (needed == 0) return path;
    std::vector<char> full(needed + 1, '\0');
    DWORD length = GetFullPathNameA(path, static_cast<DWORD>(full.size()), full.data(), nullptr);
    return length > 0 && length < full.size() ? CString(full.data(), static_cast<int>(length)) : path;
}

bool HoldsTypeLibrary(const CString& path) {
    int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    std::vector<OLECHAR> wide(static_cast<size_t>(length > 0 ? length : 1), 0);
    MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLib(wide.data(), &library)) || !library) return false;
    library->Release();
    return true;
}

// The file name without folder and extension.
CString FileTitle(const CString& path) {
    CString name = path.Mid(path.ReverseFind('\\') + 1);
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

}  // namespace

CComObjPage::CComObjPage() : CWizardPage(IDD_COM_OBJ_PAGE, "help\\java2com\\Page1.html") {}

void CComObjPage::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_COM_FILE, m_comFilePath); }

bool CComObjPage::ValidatePage() {
    HWND frame = m_pWizard->Handle();
    if (m_comFilePath.IsEmpty()) {
        ShowErrorBox(frame, "Please specify a COM source", this);
        return false;
    }
    CString fullPath = FullPath(m_comFilePath);
    if (GetFileAttributesA(fullPath) == INVALID_FILE_ATTRIBUTES) {
        ShowErrorBox(frame, m_comFilePath + ": File does not exist", this);
        return false;
    }
    if (!HoldsTypeLibrary(fullPath)) {
        ShowErrorBox(frame, m_comFilePath + ": File does not contain COM type information", this);
        return false;
    }
    m_pWizard->SetChanged(true);
    m_comObjectName = FileTitle(fullPath);
    return true;
}

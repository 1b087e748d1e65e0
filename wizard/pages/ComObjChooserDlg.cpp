#include "ComObjChooserDlg.h"

#include "ComObjectLookup.h"
#include "JavaToComTexts.h"
#include "WaitDlg.h"
#include "resource.h"

namespace {

// The run's search: descriptions and paths in one order, filled once.
struct TypeLibrarySearch {
    bool done = false;
    std::vector<CString> descriptions;
    std::vector<CString> paths;
};

TypeLibrarySearch& Search() {
    static TypeLibrarySearch search;
    return search;
}

}  // namespace

CComObjChooserDlg::CComObjChooserDlg() : Dialog(IDD_COM_OBJ_CHOOSER) {
    OnCommand(IDC_TYPE_LIBRARY_LIST, LBN_SELCHANGE, [this] { OnSelectionChanged(); });
}

void CComObjChooserDlg::DoDataExchange(brivel::winui::DataExchange& dx) { dx.Text(IDC_TYPE_LIBRARY_PATH, m_path); }

bool CComObjChooserDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    OwnerDrawPushButtons(*this, m_buttons);
    TypeLibrarySearch& search = Search();
    HCURSOR cursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    {
        CWaitDlg wait(Handle());
        wait.m_message = j2c_text::kSearchingComObjects;
        wait.Show(Handle());
        if (!search.done) {
            std::vector<RegisteredTypeLibrary> libraries;
            if (FindRegisteredTypeLibraries(libraries)) {
                for (const RegisteredTypeLibrary& library : libraries) {
                    search.descriptions.push_back(library.description);
                    search.paths.push_back(library.path);
                }
                search.done = true;
            } else {
                MessageBoxA(Handle(), j2c_text::kTypeLibKeyFailed, nullptr, MB_OK);
            }
        }
        HWND list = Item(IDC_TYPE_LIBRARY_LIST);
        for (size_t i = 0; i < search.descriptions.size(); ++i) {
            LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(search.descriptions[i].c_str()));
            if (index >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(i));
        }
    }
    SetCursor(cursor);
    return true;
}

void CComObjChooserDlg::OnSelectionChanged() {
    HWND list = Item(IDC_TYPE_LIBRARY_LIST);
    LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) return;
    LRESULT entry = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(selected), 0);
    const TypeLibrarySearch& search = Search();
    if (entry >= 0 && static_cast<size_t>(entry) < search.paths.size())
        SetItemText(IDC_TYPE_LIBRARY_PATH, search.paths[static_cast<size_t>(entry)]);
}

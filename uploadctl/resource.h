// Resource and control ids of BrivelEvalDllBuilder.dll (the .rc file and the
// code share them; tests drive the form and the save dialog by these ids).
#pragma once

#define IDB_EVALUPLOADER 101  // the toolbox picture, "<module>, 101" in the registry
#define IDR_EVALUPLOADER 102  // the registration script, resource type REGISTRY
#define IDD_EVALUPLOADER 103  // the control's form
#define IDD_SAVEDLLDLG 104    // the save-location dialog

// The form's size in dialog units: the control's natural extent.
#define FORM_WIDTH_DLU 262
#define FORM_HEIGHT_DLU 132

// The form.
#define IDC_PACKAGE_NAME 201
#define IDC_LIBRARY_NAME 202
#define IDC_COM_FILE 203
#define IDC_BROWSE 205
#define IDC_PROGRESS 206
#define IDC_STATUS 207
#define IDC_BUILD_DLL 208
#define IDC_EXPLANATION 211

// The save-location dialog.
#define IDC_SYSTEM_FOLDER 201
#define IDC_WINDOWS_FOLDER 202
#define IDC_OTHER_LOCATION 203
#define IDC_SAVE_BROWSE 204
#define IDC_SAVE_PATH 205

// Resource and control ids of the installer's dialogs; tests drive the
// dialogs by these ids.
#pragma once

#define IDD_FOLDER 101
#define IDD_PROGRESS 102
#define IDD_LICENSE 104
#define IDR_LICENSE_TEXT 105
#define IDD_JAVAC_MISSING 107

#define IDC_FOLDER 1000
#define IDC_BROWSE 1001
#define IDC_PROGRESS 1002
#define IDC_STATUS 1003
#define IDC_LICENSE_TEXT 1004

#ifndef IDC_STATIC
#define IDC_STATIC -1
#endif

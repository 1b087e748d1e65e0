// Ids of the test dialogs of the dialog layer's tests.
#pragma once

#define IDD_FORM 100
#define IDD_HOST 101
#define IDD_CHILD 102

#define IDC_NAME 1001
#define IDC_FLAG 1002
#define IDC_FIRST 1003
#define IDC_SECOND 1004
#define IDC_THIRD 1005
#define IDC_ITEMS 1006
#define IDC_APPLY 1007
#define IDC_DRAWN 1008
#define IDC_LABEL 1009
#define IDC_AREA 1010
#define IDC_CHILD_NAME 1011

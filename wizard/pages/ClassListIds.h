// Resource and control ids of the class list page's two dialogs, the class
// name dialog and the methods dialog (templates in ClassDialogs.rc). Tests
// drive the windows by these ids, so they are fixed.
#pragma once

#define IDD_METHODS 130
#define IDD_CLASS_NAME 150

// The class name dialog (also the class's properties dialog).
#define IDC_CLASS_NAME 1011
#define IDC_INCLUDE_BASE_CLASSES 1012
#define IDC_VISUAL_EMBEDDING 1113
#define IDC_COM_OBJECT_NAME 1026
#define IDC_CLASS_COMMENT 1027
#define IDC_LOAD_FROM_JAR 1080
#define IDC_JAR_CHOICE 1089

// The methods dialog.
#define IDC_MEMBER_LIST 1013
#define IDC_MEMBER_DESCRIPTION 1014
#define IDC_PARAMETER_LIST 1015
#define IDC_PARAMETER_NEW_NAME 1016
#define IDC_PARAMETER_UPDATE 1017
#define IDC_MEMBER_COMMENT 1019
#define IDC_COMMENT_UPDATE 1021
#define IDC_MEMBER_COM_NAME 1024
#define IDC_COM_NAME_UPDATE 1025
#define IDC_USE_32_BIT_INTEGER 1039
#define IDC_TRUNCATE_RETURN 1040
#define IDC_USE_FOR_EVENTS 1115
#define IDC_SELECT_ALL_METHODS 1116

// Resource and control ids of the console's information dialog.
#pragma once

#define IDD_INFO_DIALOG 101
#define IDC_DO_NOT_SHOW 1000

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

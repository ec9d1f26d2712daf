// Resource ids of the library tests' dialogs.
#pragma once

#define IDD_TEST 100
#define IDD_MAIN 101
#define IDD_MISSING 199

#define IDC_EDIT 1000
#define IDC_COMBO 1001
#define IDC_LABEL 1002
#define IDC_DRAWN 1003
#define IDC_LIST 1004

// Control ids and fixed figures of the driver's practice target, shared with its test.
#pragma once

#define IDD_TARGET 100
#define IDC_FIRST 1000
#define IDC_SECOND 1001
#define IDC_CHOICE 1002
#define IDC_ASK 1003
#define IDC_HELPME 1004
#define IDC_ANSWER 1005
#define IDC_ROWS 1006
#define IDC_SAVE 1007

#ifndef RC_INVOKED
namespace target {
constexpr const char* kTitle = "Driver Target";
constexpr const char* kChoices[] = {"alpha", "beta", "gamma", "delta", "epsilon"};
constexpr int kRowCount = 50000;
constexpr int kColumnWidths[] = {60, 75, 90};
// The window's outline lacks a square of this size at its top-left corner.
constexpr int kNotch = 24;
// The dialog paints its background in pure blue.
constexpr unsigned long kBackground = 0xFF0000;  // COLORREF of RGB(0, 0, 255)
constexpr const char* kHelpFile = "C:\\x.HLP";
// The save command writes this line, with the number of the chosen file type.
constexpr const char* kSavedLine = "file type %lu\r\n";
}  // namespace target
#endif

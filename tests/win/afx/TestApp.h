// What the test program's main sets up for every test.
#pragma once

#include <windows.h>

inline constexpr COLORREF kDialogBackground = RGB(0, 0, 255);
inline constexpr COLORREF kDialogText = RGB(255, 255, 255);

// Run with this switch and a file path, the program writes what ReportNames finds and ends.
inline constexpr char kReportNamesSwitch[] = "--report-names";

// The common Save As dialog, which the program under test shows to ask for a file name.
#pragma once

#include <windows.h>
#include <dlgs.h>  // cmb13 (the file name field), cmb1 (the file type list)

#include <string>

namespace ui {

constexpr const char* kSaveAsTitle = "Save As";

// Picks the file type row, types over the file name, and presses Save.
void SaveAs(HWND dialog, const std::string& fileName, int typeRow);

}  // namespace ui

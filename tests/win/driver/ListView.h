// Report-style list views of another process, owner-data ones included.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

int ListRowCount(HWND list);
int ListColumnCount(HWND list);
int ListColumnWidth(HWND list, int column);
std::string ListCell(HWND list, int row, int column);
// The cells of one row, from the first column to the last.
std::vector<std::string> ListRow(HWND list, int row);

}  // namespace ui

// Drop-down lists of another process: their rows, and picking a row as a user does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

int ComboRowCount(HWND combo);
// The selected row, or -1 (CB_ERR) when none is.
int ComboSelection(HWND combo);
std::string ComboRowText(HWND combo, int row);
std::vector<std::string> ComboRows(HWND combo);
// The text of the selected row; empty when none is.
std::string ComboSelectedText(HWND combo);
// The row with exactly this text; throws when there is none.
int ComboRowOf(HWND combo, const std::string& text);

// With the focus on the list: F4 opens it, the arrow keys walk to the row, Enter picks it.
void PickComboRowWithKeys(HWND combo, int row);
// A click opens the list, a click on the row picks it; scrolls the row into view first.
void PickComboRowWithMouse(HWND combo, int row);

}  // namespace ui

// The program-wide dialog colours: the background and the static texts of every dialog and
// message box; edit fields and lists keep the system's colours.
#pragma once

#include <windows.h>

void SetDialogColors(COLORREF background, COLORREF text);
// Answers a WM_CTLCOLOR* message with the dialog colours when they apply to it.
BOOL ApplyDialogColors(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
// Routes a dialog that no CWnd binds through ApplyDialogColors.
void DressForeignDialog(HWND hWnd);

// Finding the windows of another process and reading what they show.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// A visible top-level window of the process with this title (read without a message, so that
// a busy program's windows are found too), and this class when one is
// given (the dialog class is "#32770"); null when there is none.
HWND FindTopWindow(DWORD processId, const std::string& title, const char* className = nullptr);

// The first visible top-level window of the thread for which `match` holds, or null.
HWND FindThreadWindow(DWORD threadId, const std::function<bool(HWND)>& match);

// The child of `dialog` with this control id; throws when it has none.
HWND Control(HWND dialog, int id);

// The text the system keeps for the window, read without a message, so that the window of a
// busy program can be read too (a control that keeps its own text needs Text).
std::string TextWithoutMessage(HWND window);

// The window's text, asked for with WM_GETTEXT: GetWindowText does not ask another process.
std::string Text(HWND window);
std::string Text(HWND dialog, int id);

std::string ClassName(HWND window);

// The control of the thread that has the keyboard focus, or null.
HWND FocusedWindow(DWORD threadId);

// Rectangles in screen coordinates.
RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);

// A point given in client coordinates of `window`, in screen coordinates.
POINT ScreenPoint(HWND window, POINT client);

}  // namespace ui

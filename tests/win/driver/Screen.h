// What the screen shows: window outlines and pixel colours.
#pragma once

#include <windows.h>

namespace ui {

// Whether the screen point lies inside the window's outline: its region when it has one,
// else its rectangle.
bool ShapeContains(HWND window, POINT screen);

// The colour of one pixel of the screen.
COLORREF ScreenPixel(POINT screen);

}  // namespace ui

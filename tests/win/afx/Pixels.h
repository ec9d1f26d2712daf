// Reading what a window shows on the screen once it has painted.
#pragma once

#include <windows.h>

// The screen pixel once it shows `want`, or what it shows after a moment when it never does.
COLORREF PixelOnceItShows(POINT screen, COLORREF want);
// The same at a point of the window's client area.
COLORREF ClientPixelOnceItShows(HWND window, POINT client, COLORREF want);

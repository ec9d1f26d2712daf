// Small value types over the Win32 POINT and RECT.
#pragma once

#include <windows.h>

struct CPoint : POINT {
  CPoint() : POINT{0, 0} {}
  CPoint(int xIn, int yIn) : POINT{xIn, yIn} {}
  // A point packed in a message's lParam: signed x low, signed y high.
  explicit CPoint(LPARAM lParam)
      : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))} {}
};

struct CRect : RECT {
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

#include "Screen.h"

namespace ui {

bool ShapeContains(HWND window, POINT screen) {
  RECT r;
  GetWindowRect(window, &r);
  if (!PtInRect(&r, screen)) return false;
  // GetWindowRgn copies the window's region, relative to the window, into one of ours.
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  const bool shaped = GetWindowRgn(window, shape) != ERROR;
  const bool inside = !shaped || PtInRegion(shape, screen.x - r.left, screen.y - r.top);
  DeleteObject(shape);
  return inside;
}

COLORREF ScreenPixel(POINT screen) {
  HDC dc = GetDC(nullptr);
  const COLORREF colour = GetPixel(dc, screen.x, screen.y);
  ReleaseDC(nullptr, dc);
  return colour;
}

}  // namespace ui

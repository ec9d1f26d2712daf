// The test program's pictures read back as colours, and what the screen shows of them.
#pragma once

#include <windows.h>

#include <vector>

// A picture's pixels as colours, row 0 at the top.
struct PictureColours {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const {
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
  }
};

PictureColours ReadPicture(HBITMAP hBitmap);
PictureColours ReadPicture(UINT nIDResource);

// The first pixel where the two pictures of the same size differ.
POINT FirstDifference(const PictureColours& a, const PictureColours& b);

// The screen's colour at a point of a window's client area.
COLORREF ClientPixel(HWND hWnd, POINT client);
// What the screen shows of a rectangle of a window's client area.
PictureColours ScreenColours(HWND hWnd, const RECT& client);
// The pixels that differ between two pictures of the same size.
int PixelsDiffering(const PictureColours& a, const PictureColours& b);

// The pixels of the picture where the region disagrees with its outline: in the region
// exactly when not of the key colour.
int ShapeDisagreements(HRGN hRgn, const PictureColours& picture, COLORREF crKey);

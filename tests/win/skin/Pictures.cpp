#include "Pictures.h"

#include <stdexcept>

#include "Screen.h"
#include "Window.h"

PictureColours ReadPicture(HBITMAP hBitmap) {
  BITMAP info{};
  if (::GetObjectA(hBitmap, sizeof info, &info) == 0) throw std::runtime_error("not a picture");
  PictureColours picture{info.bmWidth, info.bmHeight, {}};
  BITMAPINFO header{};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = info.bmWidth;
  header.bmiHeader.biHeight = -info.bmHeight;  // top-down
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  header.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> quads(static_cast<size_t>(info.bmWidth) *
                             static_cast<size_t>(info.bmHeight));
  HDC hScreen = ::GetDC(nullptr);
  const int rows = ::GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(info.bmHeight), quads.data(),
                               &header, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, hScreen);
  if (rows != info.bmHeight) throw std::runtime_error("the picture's pixels cannot be read");
  for (const RGBQUAD& q : quads) picture.pixels.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return picture;
}

PictureColours ReadPicture(UINT nIDResource) {
  HBITMAP hBitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
  if (hBitmap == nullptr) throw std::runtime_error("no picture " + std::to_string(nIDResource));
  PictureColours picture = ReadPicture(hBitmap);
  ::DeleteObject(hBitmap);
  return picture;
}

POINT FirstDifference(const PictureColours& a, const PictureColours& b) {
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (a.At(x, y) != b.At(x, y)) return {x, y};
    }
  }
  throw std::runtime_error("the pictures are alike");
}

COLORREF ClientPixel(HWND hWnd, POINT client) {
  return ui::ScreenPixel(ui::ScreenPoint(hWnd, client));
}

PictureColours ScreenColours(HWND hWnd, const RECT& client) {
  const POINT origin = ui::ScreenPoint(hWnd, {client.left, client.top});
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  HDC hScreen = ::GetDC(nullptr);
  HDC hMemory = ::CreateCompatibleDC(hScreen);
  HBITMAP hCopy = ::CreateCompatibleBitmap(hScreen, width, height);
  HGDIOBJ hOld = ::SelectObject(hMemory, hCopy);
  ::BitBlt(hMemory, 0, 0, width, height, hScreen, origin.x, origin.y, SRCCOPY);
  ::SelectObject(hMemory, hOld);
  ::DeleteDC(hMemory);
  ::ReleaseDC(nullptr, hScreen);
  PictureColours shown = ReadPicture(hCopy);
  ::DeleteObject(hCopy);
  return shown;
}

int PixelsDiffering(const PictureColours& a, const PictureColours& b) {
  if (a.width != b.width || a.height != b.height) return a.width * a.height;
  int differing = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) differing += a.pixels[i] != b.pixels[i] ? 1 : 0;
  return differing;
}

int ShapeDisagreements(HRGN hRgn, const PictureColours& picture, COLORREF crKey) {
  int wrong = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool inside = ::PtInRegion(hRgn, x, y) != FALSE;
      if (inside != (picture.At(x, y) != crKey)) ++wrong;
    }
  }
  return wrong;
}

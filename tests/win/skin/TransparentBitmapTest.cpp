// Drawing a picture with a see-through colour, against the real GDI.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TransparentBitmap.h"
#include "app/resource.h"

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);

// A 32-bit picture whose pixels can be read back directly.
struct Dib {
  HBITMAP hBitmap = nullptr;
  RGBQUAD* pPixels = nullptr;
  int width;
  int height;

  Dib(int w, int h, const std::function<COLORREF(int x, int y)>& colour) : width(w), height(h) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    pPixels = static_cast<RGBQUAD*>(pBits);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const COLORREF c = colour(x, y);
        pPixels[y * w + x] = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
      }
    }
  }
  ~Dib() {
    if (hBitmap != nullptr) ::DeleteObject(hBitmap);
  }
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;
  // Hands the picture to an owner; its pixels stay readable while the owner keeps it.
  HBITMAP Release() {
    HBITMAP h = hBitmap;
    hBitmap = nullptr;
    return h;
  }
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    const RGBQUAD q = pPixels[y * width + x];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
  }
};

// Every pixel a different colour, none of them the key.
COLORREF Pattern(int x, int y) {
  return RGB((x * 37 + y * 11) % 250, (x * 5 + y * 41) % 200 + 50, (x * 23 + y * 3) % 251);
}

// A target context that records the colours set on it through the class library.
class RecordingDC : public CDC {
 public:
  std::vector<std::string> m_calls;
  COLORREF SetBkColor(COLORREF color) override {
    m_calls.push_back("bk " + std::to_string(color));
    return CDC::SetBkColor(color);
  }
  COLORREF SetTextColor(COLORREF color) override {
    m_calls.push_back("text " + std::to_string(color));
    return CDC::SetTextColor(color);
  }
};

struct PictureCase {
  const char* name;
  std::function<COLORREF(int x, int y)> colour;
};

const PictureCase kPictures[] = {
    {"key pixels scattered",
     [](int x, int y) { return (x + 2 * y) % 3 == 0 ? kGreen : Pattern(y, x); }},
    {"all key", [](int, int) { return kGreen; }},
    {"no key pixel", [](int x, int y) { return Pattern(y + 7, x); }},
    {"near the key", [](int x, int) { return x % 2 == 0 ? RGB(0, 254, 0) : RGB(1, 255, 0); }},
};

TEST(TransparentBitmap, LeavesTheTargetUnderKeyPixelsAndCopiesEveryOtherPixel) {
  const POINT places[] = {{3, 2}, {10, 8}};  // inside the target; partly outside it
  for (const PictureCase& c : kPictures) {
    for (const POINT at : places) {
      Dib target(14, 12, Pattern);
      Dib source(6, 5, c.colour);
      CTransparentBitmap picture;
      picture.Attach(source.Release());
      RecordingDC dc;
      dc.CreateCompatibleDC(nullptr);
      HGDIOBJ hOld = ::SelectObject(dc, target.hBitmap);

      picture.DrawTransparent(&dc, at.x, at.y, kGreen);

      ::SelectObject(dc, hOld);
      int wrong = 0;
      for (int y = 0; y < target.height; ++y) {
        for (int x = 0; x < target.width; ++x) {
          const int i = x - at.x;
          const int j = y - at.y;
          const bool covered = i >= 0 && i < source.width && j >= 0 && j < source.height;
          const bool shows = covered && source.At(i, j) != kGreen;
          if (target.At(x, y) != (shows ? source.At(i, j) : Pattern(x, y))) ++wrong;
        }
      }
      EXPECT_EQ(wrong, 0) << c.name << " at " << at.x << "," << at.y;
    }
  }
}

TEST(TransparentBitmap, RestoresTheTargetsColoursThroughTheContextsOwnOperations) {
  Dib target(4, 4, Pattern);
  Dib source(2, 2, [](int x, int) { return x == 0 ? kGreen : RGB(9, 9, 9); });
  CTransparentBitmap picture;
  picture.Attach(source.Release());
  RecordingDC dc;
  dc.CreateCompatibleDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(dc, target.hBitmap);
  ::SetBkColor(dc, RGB(1, 2, 3));
  ::SetTextColor(dc, RGB(4, 5, 6));

  picture.DrawTransparent(&dc, 0, 0, kGreen);

  EXPECT_EQ(::GetBkColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(::GetTextColor(dc), RGB(4, 5, 6));
  const std::vector<std::string> want = {
      "bk " + std::to_string(RGB(255, 255, 255)), "text " + std::to_string(RGB(0, 0, 0)),
      "bk " + std::to_string(RGB(1, 2, 3)), "text " + std::to_string(RGB(4, 5, 6))};
  EXPECT_EQ(dc.m_calls, want);
  ::SelectObject(dc, hOld);
}

TEST(TransparentBitmap, MeasuresItsPictureAndDrawsNothingWithoutOne) {
  CTransparentBitmap picture;
  EXPECT_EQ(picture.GetWidth(), 0);
  EXPECT_EQ(picture.GetHeight(), 0);
  Dib target(4, 4, Pattern);
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(dc, target.hBitmap);
  picture.DrawTransparent(&dc, 0, 0, kGreen);
  ::SelectObject(dc, hOld);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(target.At(x, y), Pattern(x, y));
  }

  ASSERT_TRUE(picture.LoadBitmap(IDB_DISPLAY_NORMAL));
  EXPECT_EQ(picture.GetWidth(), 150);
  EXPECT_EQ(picture.GetHeight(), 25);
}

}  // namespace

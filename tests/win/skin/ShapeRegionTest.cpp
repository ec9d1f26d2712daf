// The outline of a picture as a region, against the real GDI.
#include <gtest/gtest.h>

#include <iostream>

#include "Pictures.h"
#include "ShapeRegion.h"
#include "app/resource.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

int RowsWithContent(const PictureColours& picture, COLORREF crKey) {
  int rows = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (picture.At(x, y) != crKey) {
        ++rows;
        break;
      }
    }
  }
  return rows;
}

DWORD RegionRectangles(HRGN hRgn) {
  const DWORD size = ::GetRegionData(hRgn, 0, nullptr);
  std::vector<std::byte> data(size);
  ::GetRegionData(hRgn, size, reinterpret_cast<RGNDATA*>(data.data()));
  return reinterpret_cast<const RGNDATA*>(data.data())->rdh.nCount;
}

struct WindowPicture {
  UINT nID;
  int nRows;  // one run on each row with content
};

TEST(ShapeRegion, OutlinesEachWindowPictureByItsNonMagentaPixels) {
  const WindowPicture pictures[] = {
      {IDB_CALC_BACKGROUND, 450}, {IDB_ABOUT_BACKGROUND, 126}, {IDB_TABLE_BACKGROUND, 324}};
  for (const WindowPicture& p : pictures) {
    HBITMAP hBitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(p.nID));
    ASSERT_NE(hBitmap, nullptr) << p.nID;
    HRGN hRgn = MakeShapeRegion(hBitmap, kMagenta, 0);
    ASSERT_NE(hRgn, nullptr) << p.nID;
    const PictureColours picture = ReadPicture(hBitmap);
    EXPECT_EQ(RowsWithContent(picture, kMagenta), p.nRows) << p.nID;
    EXPECT_EQ(ShapeDisagreements(hRgn, picture, kMagenta), 0) << p.nID;
    std::cout << "picture " << p.nID << ": region of " << RegionRectangles(hRgn) << " rectangles\n";
    ::DeleteObject(hRgn);
    ::DeleteObject(hBitmap);
  }
}

// Columns alternately red and blue: cutting one colour leaves one run per column of the other.
HBITMAP Stripes(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pBits = nullptr;
  HBITMAP hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
  auto* pPixels = static_cast<RGBQUAD*>(pBits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pPixels[y * width + x] = x % 2 == 0 ? RGBQUAD{255, 0, 0, 0} : RGBQUAD{0, 0, 255, 0};
    }
  }
  return hBitmap;
}

TEST(ShapeRegion, UnitesBatchesOfARaggedPictureAndComparesLikeChannels) {
  HBITMAP hBitmap = Stripes(9, 500);  // 2500 blue runs, 2000 red ones
  const PictureColours picture = ReadPicture(hBitmap);
  for (COLORREF crKey : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
    HRGN hRgn = MakeShapeRegion(hBitmap, crKey, 0);
    ASSERT_NE(hRgn, nullptr);
    EXPECT_EQ(ShapeDisagreements(hRgn, picture, crKey), 0) << std::hex << crKey;
    ::DeleteObject(hRgn);
  }
  ::DeleteObject(hBitmap);
}

TEST(ShapeRegion, GivesAnEmptyRegionForAPictureAllOfTheKeyAndNoneForNoPicture) {
  HBITMAP hBitmap = Stripes(2, 3);
  HRGN hRgn = MakeShapeRegion(hBitmap, RGB(0, 0, 0), RGB(255, 255, 255));
  ASSERT_NE(hRgn, nullptr);
  RECT box;
  EXPECT_EQ(::GetRgnBox(hRgn, &box), NULLREGION);
  ::DeleteObject(hRgn);
  ::DeleteObject(hBitmap);

  EXPECT_EQ(MakeShapeRegion(nullptr, kMagenta, 0), nullptr);
}

}  // namespace

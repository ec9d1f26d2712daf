// Loading a window picture with the palette it is painted with.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "Pictures.h"
#include "SkinTestIds.h"
#include "SkinnedFrame.h"
#include "app/resource.h"

namespace {

std::vector<PALETTEENTRY> EntriesOf(const CPalette& palette) {
  WORD count = 0;
  palette.GetObject(sizeof count, &count);
  std::vector<PALETTEENTRY> entries(count);
  ::GetPaletteEntries(palette, 0, count, entries.data());
  return entries;
}

TEST(PictureWithPalette, GivesATablePictureThePaletteOfItsOwnColours) {
  CBitmap bitmap;
  CPalette palette;
  ASSERT_TRUE(LoadPictureWithPalette(IDB_CALC_BACKGROUND, &bitmap, &palette));
  DIBSECTION dib{};
  ASSERT_EQ(bitmap.GetObject(sizeof dib, &dib), static_cast<int>(sizeof dib));  // a DIB section
  EXPECT_EQ(dib.dsBmih.biBitCount, 8);

  const std::vector<PALETTEENTRY> entries = EntriesOf(palette);
  EXPECT_EQ(entries.size(), 256u);
  std::set<COLORREF> paletteColours;
  for (const PALETTEENTRY& e : entries) {
    EXPECT_EQ(e.peFlags, 0);
    paletteColours.insert(RGB(e.peRed, e.peGreen, e.peBlue));
  }
  int missing = 0;
  for (COLORREF c : ReadPicture(bitmap).pixels) missing += paletteColours.count(c) == 0 ? 1 : 0;
  EXPECT_EQ(missing, 0) << "pixels whose colour the palette lacks";
}

TEST(PictureWithPalette, GivesADeeperPictureTheHalftonePalette) {
  CBitmap bitmap;
  CPalette palette;
  ASSERT_TRUE(LoadPictureWithPalette(IDB_DEEP_PICTURE, &bitmap, &palette));
  HDC hScreen = ::GetDC(nullptr);
  CPalette halftone;
  halftone.Attach(::CreateHalftonePalette(hScreen));
  ::ReleaseDC(nullptr, hScreen);
  const std::vector<PALETTEENTRY> got = EntriesOf(palette);
  const std::vector<PALETTEENTRY> want = EntriesOf(halftone);
  ASSERT_EQ(got.size(), want.size());
  ASSERT_GT(got.size(), 0u);
  for (size_t i = 0; i < got.size(); ++i) {
    EXPECT_EQ(RGB(got[i].peRed, got[i].peGreen, got[i].peBlue),
              RGB(want[i].peRed, want[i].peGreen, want[i].peBlue))
        << "entry " << i;
  }
}

TEST(PictureWithPalette, AttachesNothingWhenThePictureIsMissing) {
  CBitmap bitmap;
  CPalette palette;
  EXPECT_FALSE(LoadPictureWithPalette(999, &bitmap, &palette));
  EXPECT_EQ(bitmap.GetSafeHandle(), nullptr);
  EXPECT_EQ(palette.GetSafeHandle(), nullptr);
}

}  // namespace

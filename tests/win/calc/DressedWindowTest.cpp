// The calculator wears its picture: size, place, outline, drag and the picture buttons.
#include <utility>

#include "CalculatorFixture.h"

namespace {

RECT WorkArea() {
  RECT area;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

TEST_F(Calculator, TheWindowIsItsPictureCentredInTheWorkArea) {
  const RECT r = ui::WindowRect(dlg_);
  EXPECT_EQ(r.right - r.left, 350);
  EXPECT_EQ(r.bottom - r.top, 450);
  const RECT area = WorkArea();
  EXPECT_NEAR(r.left, (area.left + area.right - 350) / 2, 1);
  EXPECT_NEAR(r.top, (area.top + area.bottom - 450) / 2, 1);
  EXPECT_EQ(ui::Text(dlg_), "Velkaro");

  // The picture's magenta corner is not part of the window; its inside is.
  EXPECT_FALSE(ui::ShapeContains(dlg_, ui::ScreenPoint(dlg_, {0, 0})));
  EXPECT_TRUE(ui::ShapeContains(dlg_, ui::ScreenPoint(dlg_, {175, 430})));
}

TEST_F(Calculator, TheWindowIsDraggedFromItsSurface) {
  const RECT before = ui::WindowRect(dlg_);
  ui::Drag(dlg_, {175, 430}, -60, -40);
  const auto topLeft = [&] {
    const RECT r = ui::WindowRect(dlg_);
    return std::make_pair(r.left, r.top);
  };
  const auto want = std::make_pair(before.left - 60, before.top - 40);
  EXPECT_EQ(ui::Eventually(topLeft, want), want);
}

TEST_F(Calculator, TheFiveButtonsStandWhereTheirPicturesGo) {
  struct ButtonCase {
    int id;
    RECT place;  // in the window's client pixels
  };
  const ButtonCase kButtons[] = {
      {IDC_ABOUT, {200, 1, 250, 26}},      {IDC_HIDE, {250, 1, 300, 26}},
      {IDC_EXIT, {300, 1, 350, 26}},       {IDC_RESET, {275, 120, 325, 145}},
      {IDC_DISPLAY, {100, 375, 250, 400}},
  };
  const RECT client = ui::ClientRectOnScreen(dlg_);
  for (const auto& b : kButtons) {
    const RECT r = ui::WindowRect(Ctl(b.id));
    EXPECT_EQ(r.left - client.left, b.place.left) << b.id;
    EXPECT_EQ(r.top - client.top, b.place.top) << b.id;
    EXPECT_EQ(r.right - client.left, b.place.right) << b.id;
    EXPECT_EQ(r.bottom - client.top, b.place.bottom) << b.id;
  }
}

}  // namespace

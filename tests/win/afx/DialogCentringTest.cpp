// Where a dialog at 0,0 with no centring style first shows.
#include <gtest/gtest.h>

#include <cstdlib>

#include "InLoop.h"
#include "TestDialog.h"

namespace {

POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool SameCentre(const RECT& a, const RECT& b) {
  const POINT ca = Centre(a), cb = Centre(b);
  return std::abs(ca.x - cb.x) <= 1 && std::abs(ca.y - cb.y) <= 1;
}

RECT RectWhileShown(TestDialog& dlg) {
  RECT rect{};
  RunWhen([&] { return ::IsWindowVisible(dlg); },
          [&] {
            ::GetWindowRect(dlg, &rect);
            dlg.EndDialog(IDOK);
          },
          "the dialog to show");
  dlg.DoModal();
  return rect;
}

TEST(DialogCentring, CentresADialogWithNoOwnerInTheWorkArea) {
  RECT workArea;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
  TestDialog dlg;
  const RECT shown = RectWhileShown(dlg);
  EXPECT_TRUE(SameCentre(shown, workArea))
      << "at " << shown.left << "," << shown.top << "-" << shown.right << "," << shown.bottom;
}

TEST(DialogCentring, CentresADialogWithNoParentOverTheMainWindow) {
  MainWindow main;
  RECT mainRect;
  main.GetWindowRect(&mainRect);
  // Off the centre of the screen, so that either centre would show.
  main.MoveWindow(20, 30, mainRect.right - mainRect.left, mainRect.bottom - mainRect.top);
  main.GetWindowRect(&mainRect);
  TestDialog dlg;
  const RECT shown = RectWhileShown(dlg);
  EXPECT_TRUE(SameCentre(shown, mainRect))
      << "at " << shown.left << "," << shown.top << "-" << shown.right << "," << shown.bottom;
}

TEST(DialogCentring, LeavesADialogWhereItsInitialisationMovedIt) {
  TestDialog dlg;
  dlg.m_onInit = [&] { ::SetWindowPos(dlg, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER); };
  const RECT shown = RectWhileShown(dlg);
  EXPECT_EQ(shown.left, 40);
  EXPECT_EQ(shown.top, 30);
}

}  // namespace

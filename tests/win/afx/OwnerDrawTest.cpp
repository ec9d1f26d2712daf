// An owner-drawn button draws itself: its parent's WM_DRAWITEM reaches the button's DrawItem.
#include <gtest/gtest.h>

#include "Pixels.h"
#include "TestDialog.h"
#include "TestIds.h"

namespace {

TEST(OwnerDraw, TheButtonsDrawItemPaintsIt) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  dlg.ShowWindow(SW_SHOW);
  dlg.UpdateWindow();
  EXPECT_GT(dlg.m_btnDrawn.m_nDrawn, 0);
  RECT button;
  ::GetWindowRect(dlg.m_btnDrawn, &button);
  const POINT centre{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
  EXPECT_EQ(PixelOnceItShows(centre, SwatchButton::kColor), SwatchButton::kColor);
}

}  // namespace

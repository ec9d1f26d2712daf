// The about box: shaped, centred over the calculator, closed by a click or a key.
#include "CalculatorFixture.h"

namespace {

// The about box has no title and no controls. Each opening clicks another spot of the
// button, so that two openings in a row are not taken for a double click.
HWND OpenAboutBox(const ui::App& app, HWND calculator, int nth = 0) {
  ui::Click(ui::Control(calculator, IDC_ABOUT), {8 + 10 * (nth % 4), 12});
  return app.WaitForWindow("", "#32770");
}

bool Gone(HWND box) {
  return ui::PollUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); });
}

TEST_F(Calculator, TheAboutBoxIsShapedAndCentredOverTheCalculator) {
  HWND box = OpenAboutBox(app_, dlg_);
  const RECT r = ui::WindowRect(box);
  const RECT calc = ui::WindowRect(dlg_);
  EXPECT_EQ(r.right - r.left, 250);
  EXPECT_EQ(r.bottom - r.top, 150);
  EXPECT_NEAR((r.left + r.right) / 2, (calc.left + calc.right) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, (calc.top + calc.bottom) / 2, 1);
  EXPECT_FALSE(ui::ShapeContains(box, ui::ScreenPoint(box, {3, 3})));
  EXPECT_TRUE(ui::ShapeContains(box, ui::ScreenPoint(box, {125, 75})));
  EXPECT_FALSE(IsWindowEnabled(dlg_));
}

TEST_F(Calculator, TheAboutBoxClosesOnAClickAnywhereOrOnEscapeOrEnter) {
  struct CloseCase {
    const char* how;
    void (*close)(HWND box);
  };
  const CloseCase kCloses[] = {
      {"click in the middle",
       [](HWND box) {
         ui::Click(box, {125, 75});
       }},
      {"click near a corner",
       [](HWND box) {
         ui::Click(box, {20, 130});
       }},
      {"Escape", [](HWND) { ui::PressKey(VK_ESCAPE); }},
      {"Enter", [](HWND) { ui::PressKey(VK_RETURN); }},
  };
  int nth = 0;
  for (const auto& c : kCloses) {
    HWND box = OpenAboutBox(app_, dlg_, nth++);
    c.close(box);
    EXPECT_TRUE(Gone(box)) << c.how;
    EXPECT_TRUE(ui::PollUntil([&] { return IsWindowEnabled(dlg_) != FALSE; })) << c.how;
    EXPECT_TRUE(app_.Running()) << c.how;
  }
}

TEST_F(Calculator, ClosingTheAboutBoxSendsTheUserToTheFirstInvalidField) {
  ui::TypeText("10.");
  Retype(IDC_OCTET3, "2");
  HWND box = OpenAboutBox(app_, dlg_);
  ui::Click(box, {125, 75});
  ASSERT_TRUE(Gone(box));
  EXPECT_EQ(FocusSoon(IDC_OCTET2), IDC_OCTET2);
}

TEST_F(Calculator, F1InTheAboutBoxAsksForTheHelpContentsAndKeepsItOpen) {
  ui::HelpSpy spy;
  HWND box = OpenAboutBox(app_, dlg_);
  ui::PressKey(VK_F1);
  EXPECT_EQ(spy.WaitForRequest().command, static_cast<unsigned>(HELP_FINDER));
  EXPECT_TRUE(IsWindowVisible(box));
  EXPECT_FALSE(BoxShown());
}

}  // namespace

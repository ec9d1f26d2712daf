// The dressed dialog's picture buttons under the mouse.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "DialogThread.h"
#include "Dressings.h"
#include "Input.h"
#include "Pictures.h"
#include "Wait.h"

namespace {

const POINT kSurface = {175, 225};  // on the dialog's picture, away from every button

struct ButtonSize {
  UINT nID;
  int width;
  int height;
};

const ButtonSize kSizes[] = {{IDC_ABOUT, 50, 25},
                             {IDC_HIDE, 50, 25},
                             {IDC_EXIT, 50, 25},
                             {IDC_RESET, 50, 25},
                             {IDC_DISPLAY, 150, 25}};

RECT ClientRectOf(HWND hButton) {
  RECT r;
  ::GetWindowRect(hButton, &r);
  ::MapWindowPoints(nullptr, ::GetParent(hButton), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// One button of the dialog and its two pictures.
class Button {
 public:
  Button(const DialogThread& dialog, const ButtonDressing& dressing)
      : m_hDialog(dialog.Window()),
        m_hWnd(dialog.Button(static_cast<int>(dressing.nID))),
        m_normal(ReadPicture(dressing.nNormalID)),
        m_hover(ReadPicture(dressing.nHoverID)),
        m_probe(FirstDifference(m_normal, m_hover)),
        m_rect(ClientRectOf(m_hWnd)) {}

  HWND Window() const { return m_hWnd; }
  const RECT& Rect() const { return m_rect; }
  const PictureColours& Normal() const { return m_normal; }
  POINT Centre() const {
    return {(m_rect.left + m_rect.right) / 2, (m_rect.top + m_rect.bottom) / 2};
  }
  bool ShowsHover() const { return Shown() == m_hover.At(m_probe.x, m_probe.y); }
  bool ShowsNormal() const { return Shown() == m_normal.At(m_probe.x, m_probe.y); }
  // What the button's own context holds, before it reaches the screen.
  bool HoldsHover() const {
    HDC hDC = ::GetDC(m_hWnd);
    const COLORREF held = ::GetPixel(hDC, m_probe.x, m_probe.y);
    ::ReleaseDC(m_hWnd, hDC);
    return held == m_hover.At(m_probe.x, m_probe.y);
  }

 private:
  COLORREF Shown() const {
    return ClientPixel(m_hDialog, {m_rect.left + m_probe.x, m_rect.top + m_probe.y});
  }

  HWND m_hDialog;
  HWND m_hWnd;
  PictureColours m_normal;
  PictureColours m_hover;
  POINT m_probe;  // a pixel where the pictures differ
  RECT m_rect;
};

TEST(HoverButton, AddsItsRectangleToARegionItIsGivenAndNothingWithoutOne) {
  CRgn region;
  region.CreateRectRgn(0, 0, 10, 10);
  CHoverButton button;
  EXPECT_EQ(button.SetImages(100, 375, IDB_DISPLAY_NORMAL, IDB_DISPLAY_HOVER, &region),
            COMPLEXREGION);
  EXPECT_TRUE(region.PtInRegion({5, 5}));
  EXPECT_TRUE(region.PtInRegion({100, 375}));
  EXPECT_TRUE(region.PtInRegion({249, 399}));
  EXPECT_FALSE(region.PtInRegion({250, 399})) << "the rectangle is half-open";
  EXPECT_FALSE(region.PtInRegion({50, 50}));

  CHoverButton alone;
  EXPECT_EQ(alone.SetImages(100, 375, IDB_DISPLAY_NORMAL, IDB_DISPLAY_HOVER, nullptr), ERROR);
}

TEST(HoverButton, TakesItsPlaceAndTheSizeAndFaceOfItsNormalPicture) {
  DialogThread dialog;
  ui::MoveMouse(dialog.Window(), kSurface);
  for (size_t i = 0; i < std::size(kCalculatorButtons); ++i) {
    const ButtonDressing& d = kCalculatorButtons[i];
    const Button button(dialog, d);
    const RECT want = {d.x, d.y, d.x + kSizes[i].width, d.y + kSizes[i].height};
    EXPECT_TRUE(::EqualRect(&button.Rect(), &want)) << "button " << d.nID;
    int differing = -1;
    try {
      ui::WaitUntil(
          [&] {
            return (differing = PixelsDiffering(ScreenColours(dialog.Window(), want),
                                                button.Normal())) == 0;
          },
          "the normal picture to show");
    } catch (const ui::TimeoutError&) {
    }
    EXPECT_EQ(differing, 0) << "button " << d.nID;
  }
}

TEST(HoverButton, HoversFromTheFirstMoveUntilATickFindsThePointerOutsideItsRectangle) {
  DialogThread dialog;
  ui::MoveMouse(dialog.Window(), kSurface);
  const Button about(dialog, kCalculatorButtons[0]);
  const Button hide(dialog, kCalculatorButtons[1]);
  ASSERT_EQ(about.Rect().right, hide.Rect().left);
  ui::WaitUntil([&] { return about.ShowsNormal() && hide.ShowsNormal(); }, "normal pictures");

  ui::MoveMouse(dialog.Window(), about.Centre());
  ui::WaitUntil([&] { return about.ShowsHover(); }, "about to show its hover picture");

  // The last column inside: the poll keeps finding the pointer there.
  ui::MoveMouse(dialog.Window(), {about.Rect().right - 1, about.Centre().y});
  const int ticks = dialog.TimerTicks(about.Window());
  ui::WaitUntil([&] { return dialog.TimerTicks(about.Window()) >= ticks + 3; }, "three ticks");
  EXPECT_TRUE(about.ShowsHover());
  EXPECT_TRUE(hide.ShowsNormal());

  // One pixel on: outside about's half-open rectangle, inside hide's.
  const auto moved = std::chrono::steady_clock::now();
  ui::MoveMouse(dialog.Window(), {about.Rect().right, about.Centre().y});
  ui::WaitUntil([&] { return about.ShowsNormal(); }, "about to show its normal picture");
  const auto left = std::chrono::steady_clock::now();
  EXPECT_TRUE(hide.ShowsHover());
  std::cout << "about left hover "
            << std::chrono::duration_cast<std::chrono::milliseconds>(left - moved).count()
            << " ms after the pointer left it\n";

  ui::MoveMouse(dialog.Window(), kSurface);
  ui::WaitUntil([&] { return hide.ShowsNormal(); }, "hide to show its normal picture");
  // Both polls have stopped.
  const int aboutTicks = dialog.TimerTicks(about.Window());
  const int hideTicks = dialog.TimerTicks(hide.Window());
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(dialog.TimerTicks(about.Window()), aboutTicks);
  EXPECT_EQ(dialog.TimerTicks(hide.Window()), hideTicks);
}

TEST(HoverButton, ShowsTheHoverPictureBeforeTheMouseMoveIsHandled) {
  DialogThread dialog;
  ui::MoveMouse(dialog.Window(), kSurface);
  const Button exit(dialog, kCalculatorButtons[2]);
  ui::WaitUntil([&] { return exit.ShowsNormal(); }, "exit to show its normal picture");
  // Sent, so it returns only when the button has handled it.
  ::SendMessageA(exit.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(exit.HoldsHover());
  // The pointer is elsewhere: the next tick ends the hover.
  ui::WaitUntil([&] { return exit.ShowsNormal(); }, "exit to show its normal picture");
}

TEST(HoverButton, LooksTheSameDisabled) {
  DialogThread dialog;
  ui::MoveMouse(dialog.Window(), kSurface);
  const Button reset(dialog, kCalculatorButtons[3]);
  ::EnableWindow(reset.Window(), FALSE);
  ::RedrawWindow(reset.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ui::WaitUntil([&] { return !::IsWindowEnabled(reset.Window()); }, "reset to be disabled");
  EXPECT_EQ(PixelsDiffering(ScreenColours(dialog.Window(), reset.Rect()), reset.Normal()), 0);
}

}  // namespace

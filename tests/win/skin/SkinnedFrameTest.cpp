// A dialog dressed with the calculator's picture, as the user sees and moves it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "DialogThread.h"
#include "Dressings.h"
#include "Input.h"
#include "Pictures.h"
#include "Wait.h"
#include "Window.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
const POINT kSurface = {175, 225};  // on the picture, away from every button

RECT WindowRect(HWND hWnd) {
  RECT r;
  ::GetWindowRect(hWnd, &r);
  return r;
}

TEST(SkinnedFrame, MakesTheDialogItsPicturesSizeCentredInTheWorkArea) {
  DialogThread dialog;
  const RECT r = WindowRect(dialog.Window());
  EXPECT_EQ(r.right - r.left, kCalculatorDressing.nWidth);
  EXPECT_EQ(r.bottom - r.top, kCalculatorDressing.nHeight);
  RECT work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_LE(std::abs((r.left + r.right) - (work.left + work.right)), 2) << r.left;
  EXPECT_LE(std::abs((r.top + r.bottom) - (work.top + work.bottom)), 2) << r.top;
}

TEST(SkinnedFrame, ShapesTheDialogByItsPicturesNonMagentaPixels) {
  DialogThread dialog;
  const PictureColours picture = ReadPicture(kCalculatorDressing.nPictureID);
  HRGN hShape = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(dialog.Window(), hShape), ERROR);
  EXPECT_EQ(ShapeDisagreements(hShape, picture, kMagenta), 0);
  ::DeleteObject(hShape);

  // A press on a magenta corner falls through to whatever lies beneath.
  ASSERT_EQ(picture.At(0, 0), kMagenta);
  EXPECT_NE(::WindowFromPoint(ui::ScreenPoint(dialog.Window(), {0, 0})), dialog.Window());
  ASSERT_NE(picture.At(kSurface.x, kSurface.y), kMagenta);
  EXPECT_EQ(::WindowFromPoint(ui::ScreenPoint(dialog.Window(), kSurface)), dialog.Window());
}

TEST(SkinnedFrame, ErasesTheBackgroundWithThePicture) {
  DialogThread dialog;
  ui::MoveMouse(dialog.Window(), kSurface);
  const PictureColours picture = ReadPicture(kCalculatorDressing.nPictureID);
  const RECT whole = {0, 0, picture.width, picture.height};
  std::vector<RECT> buttons;
  for (const ButtonDressing& b : kCalculatorButtons) {
    RECT r = WindowRect(dialog.Button(static_cast<int>(b.nID)));
    ::MapWindowPoints(nullptr, dialog.Window(), reinterpret_cast<POINT*>(&r), 2);
    buttons.push_back(r);
  }
  auto onButton = [&](int x, int y) {
    for (const RECT& r : buttons) {
      if (::PtInRect(&r, {x, y})) return true;
    }
    return false;
  };
  // Where the dialog shows neither a button nor what lies outside its outline.
  auto differing = [&] {
    const PictureColours shown = ScreenColours(dialog.Window(), whole);
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const bool onSurface = !onButton(x, y) && picture.At(x, y) != kMagenta;
        if (onSurface && shown.At(x, y) != picture.At(x, y)) ++count;
      }
    }
    return count;
  };
  int count = -1;
  try {
    ui::WaitUntil([&] { return (count = differing()) == 0; }, "the picture to show");
  } catch (const ui::TimeoutError&) {
  }
  EXPECT_EQ(count, 0) << "surface pixels unlike the picture";
}

void PressOrReleaseLeftButton(DWORD dwFlags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = dwFlags;
  ASSERT_EQ(::SendInput(1, &input, sizeof input), 1u);
}

TEST(SkinnedFrame, FollowsTheMouseWhenDraggedFromItsSurface) {
  DialogThread dialog;
  const RECT before = WindowRect(dialog.Window());
  const POINT start = ui::ScreenPoint(dialog.Window(), kSurface);
  ui::MoveMouse(::GetDesktopWindow(), start);
  PressOrReleaseLeftButton(MOUSEEVENTF_LEFTDOWN);
  // The press starts the system's own moving loop, which then follows the mouse.
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = ::GetWindowThreadProcessId(dialog.Window(), nullptr);
  ui::WaitUntil(
      [&] {
        return ::GetGUIThreadInfo(thread, &info) && (info.flags & GUI_INMOVESIZE) != 0 &&
               info.hwndMoveSize == dialog.Window();
      },
      "the dialog's moving loop to start");
  const POINT by = {60, -40};
  constexpr int kSteps = 6;
  for (int i = 1; i <= kSteps; ++i) {
    ui::MoveMouse(::GetDesktopWindow(), {start.x + by.x * i / kSteps, start.y + by.y * i / kSteps});
  }
  PressOrReleaseLeftButton(MOUSEEVENTF_LEFTUP);

  RECT after{};
  try {
    ui::WaitUntil(
        [&] {
          after = WindowRect(dialog.Window());
          return after.left == before.left + by.x && after.top == before.top + by.y;
        },
        "the dialog to follow the mouse");
  } catch (const ui::TimeoutError&) {
  }
  EXPECT_EQ(after.left - before.left, by.x);
  EXPECT_EQ(after.top - before.top, by.y);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}

}  // namespace

// The values that dress each window: its picture and size, and its buttons with their places
// and pictures.
#pragma once

#include <cstddef>

#include "HoverButton.h"
#include "SkinnedFrame.h"
#include "app/resource.h"

inline constexpr SkinDressing kCalculatorDressing{IDB_CALC_BACKGROUND, 350, 450};
inline constexpr SkinDressing kAboutDressing{IDB_ABOUT_BACKGROUND, 250, 150};
inline constexpr SkinDressing kTableDressing{IDB_TABLE_BACKGROUND, 600, 350};

// One hover button of a window: its control, the top-left corner in the window's client
// pixels, and its pictures.
struct ButtonDressing {
  UINT nID;
  int x;
  int y;
  UINT nNormalID;
  UINT nHoverID;
};

// In the order the windows dress them.
inline constexpr ButtonDressing kCalculatorButtons[] = {
    {IDC_ABOUT, 200, 1, IDB_ABOUT_NORMAL, IDB_ABOUT_HOVER},
    {IDC_HIDE, 250, 1, IDB_HIDE_NORMAL, IDB_HIDE_HOVER},
    {IDC_EXIT, 300, 1, IDB_EXIT_NORMAL, IDB_EXIT_HOVER},
    {IDC_RESET, 275, 120, IDB_RESET_NORMAL, IDB_RESET_HOVER},
    {IDC_DISPLAY, 100, 375, IDB_DISPLAY_NORMAL, IDB_DISPLAY_HOVER},
};
inline constexpr ButtonDressing kTableButtons[] = {
    {IDC_SAVE, 40, 280, IDB_SAVE_NORMAL, IDB_SAVE_HOVER},
    {IDC_DISPLAY, 485, 280, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER},  // "&Close"
};

// In the window's OnInitDialog, once its hover buttons are bound: gives each button of the
// table, in order, its place and pictures and its size.
void DressButtons(CWnd& window, const ButtonDressing* pButtons, std::size_t nCount);

template <std::size_t N>
void DressButtons(CWnd& window, const ButtonDressing (&buttons)[N]) {
  DressButtons(window, buttons, N);
}

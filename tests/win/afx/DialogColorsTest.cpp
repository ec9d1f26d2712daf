// The program's dialog colours (blue, white text, set once in main) on its own dialogs and on
// message boxes, while edit fields and lists keep the system's colours.
#include <MessageBox.h>
#include <gtest/gtest.h>

#include "BoxReader.h"
#include "Pixels.h"
#include "TestApp.h"
#include "TestDialog.h"
#include "TestIds.h"

namespace {

constexpr COLORREF kUntouched = RGB(1, 2, 3);

struct ColorAnswer {
  COLORREF brush;
  COLORREF background;
  COLORREF text;
};

COLORREF BrushColor(HBRUSH brush) {
  LOGBRUSH logBrush{};
  ::GetObjectA(brush, sizeof logBrush, &logBrush);
  return logBrush.lbColor;
}

// What the dialog answers when `control` asks it for its colours.
ColorAnswer AskColors(HWND dialog, UINT message, HWND control) {
  HDC dc = ::GetDC(control);
  ::SetBkColor(dc, kUntouched);
  ::SetTextColor(dc, kUntouched);
  const auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(
      dialog, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  const ColorAnswer answer{BrushColor(brush), ::GetBkColor(dc), ::GetTextColor(dc)};
  ::ReleaseDC(control, dc);
  return answer;
}

struct ColorCase {
  const char* name;
  UINT message;
  bool dialogColors;  // else the system's window colours
};
const ColorCase kColorCases[] = {
    {"WM_CTLCOLORDLG", WM_CTLCOLORDLG, true},
    {"WM_CTLCOLORSTATIC", WM_CTLCOLORSTATIC, true},
    {"WM_CTLCOLOREDIT", WM_CTLCOLOREDIT, false},
    {"WM_CTLCOLORLISTBOX", WM_CTLCOLORLISTBOX, false},
};

void ExpectColors(HWND dialog, HWND control, const char* where) {
  for (const auto& c : kColorCases) {
    const ColorAnswer answer = AskColors(dialog, c.message, control);
    if (c.dialogColors) {
      EXPECT_EQ(answer.brush, kDialogBackground) << where << ": " << c.name;
      EXPECT_EQ(answer.background, kDialogBackground) << where << ": " << c.name;
      EXPECT_EQ(answer.text, kDialogText) << where << ": " << c.name;
    } else {
      EXPECT_EQ(answer.brush, ::GetSysColor(COLOR_WINDOW)) << where << ": " << c.name;
      EXPECT_NE(answer.text, kDialogText) << where << ": " << c.name;
    }
  }
}

TEST(DialogColors, AProgramDialogAnswersBlueWithWhiteTextForItselfAndItsStatics) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  ExpectColors(dlg, dlg.m_static, "dialog");
}

TEST(DialogColors, AReadOnlyEditFieldAskingAsAStaticKeepsTheSystemColours) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  ::SendMessageA(dlg.m_edit, EM_SETREADONLY, TRUE, 0);
  const ColorAnswer answer = AskColors(dlg, WM_CTLCOLORSTATIC, dlg.m_edit);
  EXPECT_NE(answer.brush, kDialogBackground);
  EXPECT_NE(answer.text, kDialogText);
}

TEST(DialogColors, AMessageBoxAnswersTheSame) {
  ShowAndReadBox("Coloured?", MB_OK, [](HWND box) {
    HWND text = ::GetWindow(box, GW_CHILD);
    while (text != nullptr && text == ui::MessageBoxIconControl(box)) {
      text = ::GetWindow(text, GW_HWNDNEXT);
    }
    ExpectColors(box, text, "message box");
  });
}

TEST(DialogColors, AShownDialogIsPaintedBlueWhileItsEditFieldIsNot) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  dlg.ShowWindow(SW_SHOW);
  dlg.UpdateWindow();
  RECT client;
  dlg.GetClientRect(&client);
  EXPECT_EQ(ClientPixelOnceItShows(dlg, {3, client.bottom - 3}, kDialogBackground),
            kDialogBackground);
  RECT label;
  ::GetWindowRect(dlg.m_static, &label);
  ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&label), 2);
  const POINT behindLabel{label.right - 2, (label.top + label.bottom) / 2};
  EXPECT_EQ(ClientPixelOnceItShows(dlg, behindLabel, kDialogBackground), kDialogBackground);
  RECT edit;
  ::GetWindowRect(dlg.m_edit, &edit);
  ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&edit), 2);
  const POINT inEdit{edit.right - 4, (edit.top + edit.bottom) / 2};
  EXPECT_EQ(ClientPixelOnceItShows(dlg, inEdit, ::GetSysColor(COLOR_WINDOW)),
            ::GetSysColor(COLOR_WINDOW));
}

TEST(DialogColors, AShownMessageBoxIsPaintedBlue) {
  COLORREF seen = CLR_INVALID;
  ShowAndReadBox("Blue?", MB_OK, [&](HWND box) {
    seen = ClientPixelOnceItShows(box, {3, 3}, kDialogBackground);
  });
  EXPECT_EQ(seen, kDialogBackground);
}

}  // namespace

// AfxMessageBox: its icon, its owner, and the owner's state afterwards.
#include <gtest/gtest.h>

#include "BoxReader.h"
#include "InLoop.h"
#include "TestDialog.h"

namespace {

struct IconCase {
  const char* name;
  UINT type;
  LPCSTR icon;
};
const IconCase kIconCases[] = {
    {"no icon given", MB_OK, IDI_EXCLAMATION},
    {"information", MB_OK | MB_ICONINFORMATION, IDI_INFORMATION},
    {"stop", MB_OK | MB_ICONSTOP, IDI_HAND},
};

TEST(AfxMessageBox, ShowsTheExclamationIconUnlessGivenAnother) {
  for (const auto& c : kIconCases) {
    const SeenBox seen = ShowAndReadBox(c.name, c.type);
    EXPECT_EQ(seen.icon, ::LoadIconA(nullptr, c.icon)) << c.name;
    EXPECT_EQ(seen.answer, IDOK) << c.name;
  }
}

TEST(AfxMessageBox, IsOwnedByTheActiveDialogWhichStaysEnabled) {
  MainWindow main;
  TestDialog dlg;
  SeenBox seen;
  HWND dlgWnd = nullptr;
  BOOL enabledAfter = FALSE;
  RunWhen([&] { return ::GetActiveWindow() == dlg.m_hWnd; },
          [&] {
            dlgWnd = dlg.m_hWnd;
            seen = ShowAndReadBox("Over the dialog", MB_OK);
            enabledAfter = ::IsWindowEnabled(dlg);
            dlg.EndDialog(IDOK);
          },
          "the dialog to be active");
  dlg.DoModal();
  EXPECT_EQ(seen.owner, dlgWnd) << "not the main window, the active one";
  EXPECT_TRUE(enabledAfter);
}

TEST(AfxMessageBox, KeepsAnOwnerThatAModalDialogDisabledDisabled) {
  MainWindow main;
  TestDialog dlg;
  SeenBox seen;
  BOOL mainEnabledAfterBox = TRUE;
  dlg.m_onInit = [&] {
    seen = ShowAndReadBox("While the dialog is set up", MB_OK);
    mainEnabledAfterBox = ::IsWindowEnabled(main);
    dlg.EndDialog(IDOK);
  };
  dlg.DoModal();
  EXPECT_EQ(seen.owner, main.m_hWnd);
  EXPECT_FALSE(mainEnabledAfterBox);
  EXPECT_TRUE(::IsWindowEnabled(main));
}

}  // namespace

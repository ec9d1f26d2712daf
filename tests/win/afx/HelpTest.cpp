// The help request: WinHelp on behalf of the main window, and F1 in a dialog's control.
#include <HelpSpy.h>
#include <Input.h>
#include <MessageBox.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "BoxReader.h"
#include "InLoop.h"
#include "TestDialog.h"

namespace {

std::string ThisProgramWithExtension(const char* extension) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string withExtension(path);
  return withExtension.substr(0, withExtension.rfind('.')) + extension;
}

TEST(Help, WinHelpAsksForTheContentsOfTheProgramsHelpFile) {
  ui::HelpSpy spy;
  MainWindow main;
  AfxGetApp()->WinHelp(0, HELP_FINDER);
  const ui::HelpRequest request = spy.WaitForRequest(ui::Ms(2000));
  EXPECT_EQ(request.command, 0x000Bu);
  EXPECT_EQ(request.file, ThisProgramWithExtension(".HLP"));
}

TEST(Help, ARefusedRequestIsReportedInAMessageBoxOverTheMainWindow) {
  ui::HelpSpy spy;
  MainWindow main;
  // A help system that answers nothing to the request.
  ::SetWindowLongPtrA(::FindWindowA("MS_WINHELP", nullptr), GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(&::DefWindowProcA));
  SeenBox seen;
  std::string text;
  ReadNextBox(seen, [&](HWND box) { text = ui::MessageBoxText(box); });
  AfxGetApp()->WinHelp(0, HELP_FINDER);
  EXPECT_EQ(text, "Failed to launch help.");
  EXPECT_EQ(seen.owner, main.m_hWnd);
}

TEST(Help, F1InAControlReachesTheDialogAsWmHelp) {
  TestDialog dlg;
  HWND edit = nullptr;
  dlg.m_onInit = [&] {
    edit = dlg.m_edit.m_hWnd;
    dlg.m_edit.SetFocus();
  };
  dlg.m_bInitResult = FALSE;
  auto logged = [&](const char* event) {
    return std::find(dlg.m_log.begin(), dlg.m_log.end(), event) != dlg.m_log.end();
  };
  RunSoon([&] { ::SetForegroundWindow(dlg); });
  RunWhen(
      [&] { return ::GetForegroundWindow() == dlg.m_hWnd && ::GetFocus() == dlg.m_edit.m_hWnd; },
      [&] {
        ui::PressKey(VK_F1);
        RunWhen([&] { return logged("WM_HELP"); }, [&] { dlg.EndDialog(IDOK); },
                "WM_HELP at the dialog");
      },
      "the dialog in front with the focus in its edit field");
  dlg.DoModal();
  EXPECT_EQ(dlg.m_hHelpItem, edit) << "the help is about the focused control";
}

}  // namespace

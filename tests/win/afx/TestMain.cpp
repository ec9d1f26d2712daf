// The library tests' program: its own application object, set up as the library's WinMain
// would, with the program's dialog colours set once for every test.
#include <Afx.h>
#include <HelpSpy.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "BoxReader.h"
#include "InLoop.h"
#include "TestApp.h"
#include "TestDialog.h"

namespace {

class TestApp : public CWinApp {};
TestApp theApp;

class DropStepsAfterEachTest : public testing::EmptyTestEventListener {
  void OnTestEnd(const testing::TestInfo&) override { CancelPendingSteps(); }
};

// What a copy of this program under another name shows: its message box caption and the help
// file it asks for, a line each.
int ReportNames(const char* reportPath) {
  MainWindow main;
  ui::HelpSpy spy;
  theApp.WinHelp(0, HELP_FINDER);
  const std::string helpFile = spy.Requests().empty() ? "" : spy.Requests().front().file;
  const SeenBox box = ShowAndReadBox("Which name?", MB_OK);
  std::ofstream(reportPath, std::ios::binary) << box.caption << "\n" << helpFile << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  theApp.SetUp(::GetModuleHandleA(nullptr));
  theApp.SetDialogBkColor(kDialogBackground, kDialogText);
  if (argc == 3 && std::strcmp(argv[1], kReportNamesSwitch) == 0) return ReportNames(argv[2]);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new DropStepsAfterEachTest);
  return RUN_ALL_TESTS();
}

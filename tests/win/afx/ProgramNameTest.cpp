// The application's name and help file follow the executable's file name: a copy of this
// program under another name, in a folder with a dot in its name, reports what it shows.
#include <Files.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>

#include "TestApp.h"

namespace {

std::string ThisProgram() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

// Runs the program and waits for it; gives its exit code, or -1 when it did not end.
DWORD RunToEnd(const std::string& exe, const std::string& arguments) {
  std::string commandLine = "\"" + exe + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
    return static_cast<DWORD>(-1);
  }
  DWORD code = static_cast<DWORD>(-1);
  if (::WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) {
    ::GetExitCodeProcess(process.hProcess, &code);
  } else {
    ::TerminateProcess(process.hProcess, 1);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return code;
}

TEST(ProgramName, MessageBoxCaptionAndHelpFileFollowTheExecutablesName) {
  ui::TempDir dir;
  const std::string folder = dir.File("v1.2");
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  const std::string copy = folder + "\\Net.Calc.exe";
  ASSERT_TRUE(::CopyFileA(ThisProgram().c_str(), copy.c_str(), TRUE));
  const std::string report = dir.File("report.txt");

  ASSERT_EQ(RunToEnd(copy, std::string(kReportNamesSwitch) + " \"" + report + "\""), 0u);

  std::istringstream lines(ui::ReadFileBytes(report));
  std::string caption, helpFile;
  std::getline(lines, caption);
  std::getline(lines, helpFile);
  EXPECT_EQ(caption, "Net.Calc");
  EXPECT_EQ(helpFile, folder + "\\Net.Calc.HLP");
}

}  // namespace

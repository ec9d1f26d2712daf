// The program under test, started fresh for a test and ended with it.
#pragma once

#include <windows.h>

#include <string>

#include "Wait.h"

namespace ui {

// The Windows path held by an environment variable (the test registration passes the
// product's path in VELKARO_EXE); throws when it is not set.
std::string PathFromEnvironment(const char* variable = "VELKARO_EXE");

class App {
 public:
  // Starts the program in `workDir` (the test's own when empty) and waits until it is
  // ready for input.
  explicit App(const std::string& exe, const std::string& workDir = {});
  // Ends the program if it still runs.
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  DWORD ProcessId() const { return process_.dwProcessId; }
  DWORD ThreadId() const { return process_.dwThreadId; }
  bool Running() const;
  // Waits for the program to end by itself; gives its exit code.
  DWORD WaitForExit(Ms timeout = kTimeout) const;

  // A visible top-level window of the program (see FindTopWindow).
  HWND WaitForWindow(const std::string& title, const char* className = nullptr,
                     Ms timeout = kTimeout) const;
  // The message box that the program's user-interface thread shows.
  HWND WaitForMessageBox(Ms timeout = kTimeout) const;
  // The window of the program that has the keyboard focus, and its control id (0: none).
  HWND Focus() const;
  int FocusId() const;

 private:
  PROCESS_INFORMATION process_{};
};

}  // namespace ui

#include "App.h"

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "MessageBox.h"
#include "Window.h"

namespace ui {

std::string PathFromEnvironment(const char* variable) {
  const char* value = std::getenv(variable);
  if (!value || !*value) throw std::runtime_error(std::string(variable) + " is not set");
  return value;
}

App::App(const std::string& exe, const std::string& workDir) {
  std::string commandLine = "\"" + exe + "\"";
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exe.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workDir.empty() ? nullptr : workDir.c_str(), &startup, &process_)) {
    throw std::runtime_error("cannot start " + exe + " (error " + std::to_string(GetLastError()) +
                             ")");
  }
  WaitForInputIdle(process_.hProcess, static_cast<DWORD>(kTimeout.count()));
}

App::~App() {
  if (Running()) TerminateProcess(process_.hProcess, 1);
  WaitForSingleObject(process_.hProcess, static_cast<DWORD>(kTimeout.count()));
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool App::Running() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD App::WaitForExit(Ms timeout) const {
  WaitUntil([&] { return !Running(); }, "the program to end", timeout);
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

HWND App::WaitForWindow(const std::string& title, const char* className, Ms timeout) const {
  return WaitFor([&] { return FindTopWindow(ProcessId(), title, className); },
                 "window '" + title + "' of the program", timeout);
}

HWND App::WaitForMessageBox(Ms timeout) const {
  return WaitFor([&] { return FindMessageBox(ThreadId()); }, "a message box of the program",
                 timeout);
}

HWND App::Focus() const {
  return FocusedWindow(ThreadId());
}

int App::FocusId() const {
  HWND focus = Focus();
  return focus ? GetDlgCtrlID(focus) : 0;
}

}  // namespace ui

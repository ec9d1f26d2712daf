// Stands in for the help system so a test can see what help the program asked for.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

namespace ui {

struct HelpRequest {
  unsigned command;  // HELP_FINDER, HELP_CONTEXT...
  std::string file;
};

// WinHelp hands its request to a window of the class "MS_WINHELP" as WM_COPYDATA; the spy
// is such a window in the test's process and keeps what it receives. It hears nothing
// unless this thread pumps its messages, which every wait of the driver does.
class HelpSpy {
 public:
  HelpSpy();
  ~HelpSpy();
  HelpSpy(const HelpSpy&) = delete;
  HelpSpy& operator=(const HelpSpy&) = delete;

  const std::vector<HelpRequest>& Requests() const { return requests_; }
  // Waits for the next request after those already received and gives it.
  HelpRequest WaitForRequest(Ms timeout = kTimeout);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
  void Record(const COPYDATASTRUCT& data);

  HWND window_ = nullptr;
  std::vector<HelpRequest> requests_;
  size_t taken_ = 0;
};

}  // namespace ui

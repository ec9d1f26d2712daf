#include "Wait.h"

#include <windows.h>

namespace ui {

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool PollUntil(const std::function<bool()>& done, Ms timeout) {
  constexpr DWORD kPollMs = 10;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    PumpMessages();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    // Wakes early when a message arrives for this thread.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
  }
}

void WaitUntil(const std::function<bool()>& done, const std::string& what, Ms timeout) {
  if (!PollUntil(done, timeout)) {
    throw TimeoutError("timed out after " + std::to_string(timeout.count()) + " ms waiting for " +
                       what);
  }
}

}  // namespace ui

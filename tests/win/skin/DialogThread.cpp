#include "DialogThread.h"

#include "SkinnedTestDlg.h"
#include "Wait.h"

std::mutex DialogThread::s_mutex;
std::map<HWND, int> DialogThread::s_ticks;

DialogThread::DialogThread() : m_thread([this] { Run(); }) {
  try {
    ui::WaitUntil(
        [this] {
          HWND hWnd = Window();
          return hWnd != nullptr && ::IsWindowVisible(hWnd);
        },
        "the skinned dialog to show");
  } catch (...) {
    End();
    throw;
  }
}

DialogThread::~DialogThread() {
  End();
}

void DialogThread::End() {
  ::PostMessageA(Window(), WM_COMMAND, IDCANCEL, 0);
  m_thread.join();
  std::lock_guard<std::mutex> lock(s_mutex);
  s_ticks.clear();
}

int DialogThread::TimerTicks(HWND hWnd) const {
  std::lock_guard<std::mutex> lock(s_mutex);
  auto found = s_ticks.find(hWnd);
  return found == s_ticks.end() ? 0 : found->second;
}

LRESULT CALLBACK DialogThread::CountTimers(int nCode, WPARAM wParam, LPARAM lParam) {
  const auto* pMsg = reinterpret_cast<const MSG*>(lParam);
  if (nCode == HC_ACTION && wParam == PM_REMOVE && pMsg->message == WM_TIMER) {
    std::lock_guard<std::mutex> lock(s_mutex);
    ++s_ticks[pMsg->hwnd];
  }
  return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void DialogThread::Run() {
  HHOOK hHook = ::SetWindowsHookExA(WH_GETMESSAGE, &CountTimers, nullptr, ::GetCurrentThreadId());
  CSkinnedTestDlg dlg;
  dlg.m_onInitDialog = [this, &dlg] { m_hWnd = dlg.m_hWnd; };
  dlg.DoModal();
  ::UnhookWindowsHookEx(hHook);
}

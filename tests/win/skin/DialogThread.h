// The skinned test dialog run modally on a thread of its own, its user-interface thread, so
// that the test's thread can act as the user: real input, and what the screen shows.
#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>

class DialogThread {
 public:
  // Returns once the dialog shows.
  DialogThread();
  // Ends the dialog and its thread.
  ~DialogThread();
  DialogThread(const DialogThread&) = delete;
  DialogThread& operator=(const DialogThread&) = delete;

  HWND Window() const { return m_hWnd.load(); }
  HWND Button(int nID) const { return ::GetDlgItem(Window(), nID); }
  // The WM_TIMER messages the dialog's thread has taken from its queue for the window so far.
  int TimerTicks(HWND hWnd) const;

 private:
  void Run();
  void End();
  static LRESULT CALLBACK CountTimers(int nCode, WPARAM wParam, LPARAM lParam);

  std::atomic<HWND> m_hWnd{nullptr};
  std::thread m_thread;

  static std::mutex s_mutex;
  static std::map<HWND, int> s_ticks;
};

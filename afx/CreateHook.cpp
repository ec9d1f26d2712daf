#include "CreateHook.h"

#include <cstring>

#include "DialogColors.h"
#include "Wnd.h"

namespace {

// A hook watches one thread: each thread that makes dialogs has its own.
thread_local HHOOK g_hook = nullptr;
thread_local CWnd* g_pWndInit = nullptr;
bool g_dressForeignDialogs = false;

bool IsDialogClass(HWND hWnd) {
  char className[16] = {};
  ::GetClassNameA(hWnd, className, sizeof className);
  return std::strcmp(className, "#32770") == 0;
}

LRESULT CALLBACK CreationHook(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HCBT_CREATEWND) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    // Windows the system makes on the side (an input-method window, say) are not the dialog.
    if (IsDialogClass(hWnd)) {
      if (g_pWndInit != nullptr) {
        CWnd* pWnd = g_pWndInit;
        g_pWndInit = nullptr;
        pWnd->SubclassWindow(hWnd);
      } else if (g_dressForeignDialogs) {
        DressForeignDialog(hWnd);
      }
    }
  }
  return ::CallNextHookEx(g_hook, nCode, wParam, lParam);
}

void InstallHook() {
  if (g_hook == nullptr) {
    g_hook = ::SetWindowsHookExA(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
  }
}

}  // namespace

void HookWindowCreate(CWnd* pWnd) {
  InstallHook();
  g_pWndInit = pWnd;
}

void UnhookWindowCreate() {
  g_pWndInit = nullptr;
}

void HookForeignDialogs() {
  InstallHook();
  g_dressForeignDialogs = true;
}

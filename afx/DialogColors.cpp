#include "DialogColors.h"

namespace {

struct Colors {
  HBRUSH hBrush = nullptr;
  COLORREF background = 0;
  COLORREF text = 0;
};

Colors g_colors;
const char kSuperProperty[] = "DialogColorsSuper";

bool IsEditField(HWND hWnd) {
  char className[8] = {};
  ::GetClassNameA(hWnd, className, sizeof className);
  return ::lstrcmpiA(className, "Edit") == 0;
}

LRESULT CALLBACK ForeignDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto super = reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kSuperProperty));
  LRESULT result = 0;
  if (ApplyDialogColors(message, wParam, lParam, &result)) return result;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    ::RemovePropA(hWnd, kSuperProperty);
  }
  return ::CallWindowProcA(super, hWnd, message, wParam, lParam);
}

}  // namespace

void SetDialogColors(COLORREF background, COLORREF text) {
  // The brush lives as long as the program: every dialog may paint with it.
  if (g_colors.hBrush != nullptr) ::DeleteObject(g_colors.hBrush);
  g_colors = Colors{::CreateSolidBrush(background), background, text};
}

BOOL ApplyDialogColors(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (g_colors.hBrush == nullptr) return FALSE;
  if (message != WM_CTLCOLORDLG && message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORMSGBOX) {
    return FALSE;
  }
  // Read-only and disabled edit fields ask as statics; they keep the system's colours.
  if (message == WM_CTLCOLORSTATIC && IsEditField(reinterpret_cast<HWND>(lParam))) return FALSE;
  HDC hDC = reinterpret_cast<HDC>(wParam);
  ::SetBkColor(hDC, g_colors.background);
  ::SetTextColor(hDC, g_colors.text);
  *pResult = reinterpret_cast<LRESULT>(g_colors.hBrush);
  return TRUE;
}

void DressForeignDialog(HWND hWnd) {
  LONG_PTR super =
      ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignDialogProc));
  ::SetPropA(hWnd, kSuperProperty, reinterpret_cast<HANDLE>(super));
}

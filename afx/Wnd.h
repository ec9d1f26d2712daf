// CWnd: a C++ object bound to a window handle. Bound windows run their messages through the
// object's message table; everything the table does not handle goes to the window's own
// procedure, as before the binding.
#pragma once

#include <windows.h>

#include "AfxString.h"
#include "MessageMap.h"
#include "Types.h"

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }  // NOLINT: implicit by design

  // The object bound to hWnd, or nullptr when none is.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // The bound object, or a temporary wrapper that lives until the next idle moment.
  static CWnd* FromHandle(HWND hWnd);
  static void DeleteTempMap();

  // Binds this object to an existing window and routes its messages through the table.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  virtual BOOL PreTranslateMessage(MSG* pMsg);
  virtual BOOL DestroyWindow();

  // Window operations used by the program's windows.
  CWnd* GetDlgItem(int nID) const;
  CWnd* GetParent() const;
  CWnd* SetFocus();
  void SetWindowText(const char* text);
  int GetWindowText(char* buffer, int nMaxCount) const;
  void GetWindowText(CString& text) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  BOOL ShowWindow(int nCmdShow);
  void UpdateWindow();
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(const RECT* pRect, BOOL bErase = TRUE);
  void GetClientRect(RECT* pRect) const;
  void GetWindowRect(RECT* pRect) const;
  void ScreenToClient(POINT* pPoint) const;
  BOOL IsIconic() const;
  BOOL GetWindowPlacement(WINDOWPLACEMENT* pPlacement) const;
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* pPlacement);
  int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC pfnTimer);
  BOOL KillTimer(UINT_PTR nIDEvent);
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  DWORD GetStyle() const;
  // Centres the window over its owner, or in the work area when it has none; kept inside the
  // work area.
  void CenterWindow();
  // The help request for this window: the help file at hlpFile, command and data.
  void WinHelp(const char* hlpFile, DWORD_PTR dwData, UINT nCmd);

 protected:
  // Passes the message being handled to the window's own procedure.
  LRESULT Default();
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // A control's chance to handle what its parent was sent about it (owner drawing).
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Called after the window is gone, with the object unbound.
  virtual void PostNcDestroy() {}

  static const MessageMap kMessageMap;
  virtual const MessageMap* GetMessageMap() const { return &kMessageMap; }

 private:
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND hWnd);
  BOOL DispatchFromTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

  WNDPROC m_pfnSuper = nullptr;
  MSG m_currentMsg{};
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

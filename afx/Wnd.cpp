#include "Wnd.h"

#include <memory>
#include <unordered_map>

#include "App.h"

namespace {

// One user-interface thread: plain maps suffice.
std::unordered_map<HWND, CWnd*>& PermanentMap() {
  static std::unordered_map<HWND, CWnd*> map;
  return map;
}

std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
  static std::unordered_map<HWND, std::unique_ptr<CWnd>> map;
  return map;
}

bool MatchesEntry(const MessageEntry& entry, UINT message, WPARAM wParam, LPARAM lParam) {
  if (entry.nMessage != message) return false;
  if (message == WM_COMMAND) return entry.nCode == HIWORD(wParam) && entry.nID == LOWORD(wParam);
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return entry.nCode == header->code && entry.nID == header->idFrom;
  }
  return true;
}

// The control that a parent's message is about, for the messages that carry one.
HWND ChildOfMessage(UINT message, LPARAM lParam) {
  if (message == WM_DRAWITEM) return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
  return nullptr;
}

}  // namespace

const MessageMap CWnd::kMessageMap = {nullptr, nullptr, 0};

CWnd::~CWnd() {
  if (m_hWnd != nullptr && PermanentMap().count(m_hWnd) != 0) DestroyWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  auto found = PermanentMap().find(hWnd);
  return found == PermanentMap().end() ? nullptr : found->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
  auto& slot = TemporaryMap()[hWnd];
  if (!slot) {
    slot = std::make_unique<CWnd>();
    slot->m_hWnd = hWnd;
  }
  return slot.get();
}

void CWnd::DeleteTempMap() {
  for (auto& entry : TemporaryMap()) entry.second->m_hWnd = nullptr;
  TemporaryMap().clear();
}

void CWnd::Attach(HWND hWnd) {
  m_hWnd = hWnd;
  PermanentMap()[hWnd] = this;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (hWnd == nullptr || FromHandlePermanent(hWnd) != nullptr) return FALSE;
  Attach(hWnd);
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  return SubclassWindow(::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID)));
}

HWND CWnd::UnsubclassWindow() {
  HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return nullptr;
  SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  PermanentMap().erase(hWnd);
  m_pfnSuper = nullptr;
  m_hWnd = nullptr;
  return hWnd;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
  return FALSE;
}

BOOL CWnd::DestroyWindow() {
  return m_hWnd != nullptr && ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  return FromHandle(::GetDlgItem(m_hWnd, nID));
}
CWnd* CWnd::GetParent() const {
  return FromHandle(::GetParent(m_hWnd));
}
CWnd* CWnd::SetFocus() {
  return FromHandle(::SetFocus(m_hWnd));
}
void CWnd::SetWindowText(const char* text) {
  ::SetWindowTextA(m_hWnd, text);
}

int CWnd::GetWindowText(char* buffer, int nMaxCount) const {
  return ::GetWindowTextA(m_hWnd, buffer, nMaxCount);
}

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  text.assign(static_cast<size_t>(length), '\0');
  const int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(copied));
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

BOOL CWnd::ShowWindow(int nCmdShow) {
  return ::ShowWindow(m_hWnd, nCmdShow);
}
void CWnd::UpdateWindow() {
  ::UpdateWindow(m_hWnd);
}
void CWnd::Invalidate(BOOL bErase) {
  ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(const RECT* pRect, BOOL bErase) {
  ::InvalidateRect(m_hWnd, pRect, bErase);
}
void CWnd::GetClientRect(RECT* pRect) const {
  ::GetClientRect(m_hWnd, pRect);
}
void CWnd::GetWindowRect(RECT* pRect) const {
  ::GetWindowRect(m_hWnd, pRect);
}
void CWnd::ScreenToClient(POINT* pPoint) const {
  ::ScreenToClient(m_hWnd, pPoint);
}
BOOL CWnd::IsIconic() const {
  return ::IsIconic(m_hWnd);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* pPlacement) const {
  pPlacement->length = sizeof(WINDOWPLACEMENT);
  return ::GetWindowPlacement(m_hWnd, pPlacement);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* pPlacement) {
  return ::SetWindowPlacement(m_hWnd, pPlacement);
}

int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) {
  return ::SetWindowRgn(m_hWnd, hRgn, bRedraw);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC pfnTimer) {
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, pfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
  return ::KillTimer(m_hWnd, nIDEvent);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

DWORD CWnd::GetStyle() const {
  return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

void CWnd::CenterWindow() {
  HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
  const bool overOwner = hOwner != nullptr && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner);
  // The work area of the monitor the owner stands on, the primary one without an owner.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(overOwner ? ::MonitorFromWindow(hOwner, MONITOR_DEFAULTTOPRIMARY)
                              : ::MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY),
                    &monitor);
  const RECT workArea = monitor.rcWork;
  RECT around = workArea;
  if (overOwner) ::GetWindowRect(hOwner, &around);
  RECT rect;
  ::GetWindowRect(m_hWnd, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  int x = (around.left + around.right) / 2 - width / 2;
  int y = (around.top + around.bottom) / 2 - height / 2;
  // Keep it inside the work area, its top-left corner first.
  if (x + width > workArea.right) x = workArea.right - width;
  if (y + height > workArea.bottom) y = workArea.bottom - height;
  if (x < workArea.left) x = workArea.left;
  if (y < workArea.top) y = workArea.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::WinHelp(const char* hlpFile, DWORD_PTR dwData, UINT nCmd) {
  if (!::WinHelpA(m_hWnd, hlpFile, nCmd, dwData)) {
    AfxMessageBox("Failed to launch help.");
  }
}

LRESULT CWnd::Default() {
  return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
  return FALSE;
}

BOOL CWnd::DispatchFromTable(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->pBaseMap) {
    for (std::size_t i = 0; i < map->nCount; ++i) {
      const MessageEntry& entry = map->pEntries[i];
      if (MatchesEntry(entry, message, wParam, lParam)) {
        *pResult = entry.pfnHandler(this, wParam, lParam);
        return TRUE;
      }
    }
  }
  return FALSE;
}

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  CWnd* child = FromHandlePermanent(ChildOfMessage(message, lParam));
  return child != nullptr && child->OnChildNotify(message, wParam, lParam, pResult);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (DispatchFromTable(message, wParam, lParam, &result)) return result;
  if (ReflectToChild(message, wParam, lParam, &result)) return result;
  return DefWindowProc(message, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);
  const MSG outer = pWnd->m_currentMsg;
  pWnd->m_currentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
  const LRESULT result = pWnd->WindowProc(message, wParam, lParam);
  pWnd->m_currentMsg = outer;
  if (message == WM_NCDESTROY) {
    pWnd->UnsubclassWindow();
    pWnd->PostNcDestroy();
  }
  return result;
}

#include "OctetEdit.h"

#include <string_view>

#include "AddressArithmetic.h"

void COctetEdit::SetRange(int32_t nMin, int32_t nMax, HWND hNextFocus) {
  m_nMin = nMin;
  m_nMax = nMax;
  m_hNextFocus = hNextFocus;
}

BOOL COctetEdit::IsValueInRange() const {
  char text[4];
  const int length = GetWindowText(text, static_cast<int>(sizeof text));
  if (length <= 0) return FALSE;
  const int32_t value = ParseDecimalToken(std::string_view(text, static_cast<size_t>(length)));
  return m_nMin <= value && value <= m_nMax;
}

void COctetEdit::ReportOutOfRange() const {
  CString text;
  text.Format("Error: Number must be between %d and %d", m_nMin, m_nMax);
  AfxMessageBox(text, MB_OK);
}

BOOL COctetEdit::PreTranslateMessage(MSG* pMsg) {
  const bool moveOn = (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) ||
                      (pMsg->message == WM_CHAR && pMsg->wParam == '.');
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) return TRUE;
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
    if (IsValueInRange()) return CEdit::PreTranslateMessage(pMsg);
    ReportOutOfRange();
    return TRUE;
  }
  if (moveOn) {
    if (IsValueInRange()) {
      ::SetFocus(m_hNextFocus);
    } else {
      ReportOutOfRange();
    }
    return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}

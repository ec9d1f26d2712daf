#include "DataExchange.h"

#include "Wnd.h"

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  return m_hWndLastControl;
}

void CDataExchange::Fail() {
  m_bFailed = true;
  if (m_hWndLastControl != nullptr) ::SetFocus(m_hWndLastControl);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd == nullptr) rControl.SubclassDlgItem(static_cast<UINT>(nIDC), pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hControl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const int length = ::GetWindowTextLengthA(hControl);
    value.assign(static_cast<size_t>(length), '\0');
    value.resize(static_cast<size_t>(::GetWindowTextA(hControl, value.data(), length + 1)));
  } else {
    ::SetWindowTextA(hControl, value.c_str());
  }
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (pDX->m_bSaveAndValidate) {
    if (value.GetLength() > nChars) pDX->Fail();
  } else if (pDX->m_hWndLastControl != nullptr) {
    ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
  }
}

// Dialog data exchange: binds control objects to a dialog's controls and moves texts between
// the controls and members, in either direction.
#pragma once

#include <windows.h>

#include "AfxString.h"

class CWnd;

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

  // The control of the last DDX_Text, for a following DDV_ check.
  HWND PrepareEditCtrl(int nIDC);
  // Marks the exchange failed and gives the focus to the control that failed it.
  void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl = nullptr;
  bool m_bFailed = false;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Loading limits the last exchanged edit field to nChars characters; saving fails on a
// longer text.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

#include "SubnetCalcApp.h"

#include "calc/SubnetCalcDlg.h"

CSubnetCalcApp theApp;

BOOL CSubnetCalcApp::InitInstance() {
  SetDialogBkColor(RGB(0, 0, 255), RGB(255, 255, 255));

  CSubnetCalcDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  // The program ends with the calculator: there is no message loop of its own.
  return FALSE;
}

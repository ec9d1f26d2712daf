#include "AboutDlg.h"

#include "app/HelpRequest.h"
#include "app/resource.h"
#include "skin/Dressings.h"

const MessageEntry CAboutDlg::kMessageEntries[] = {
    {WM_CREATE, 0, 0, Handler<&CAboutDlg::OnCreate>},
    {WM_ERASEBKGND, 0, 0, Handler<&CAboutDlg::OnEraseBkgnd>},
    {WM_LBUTTONDOWN, 0, 0, Handler<&CAboutDlg::OnLButtonDown>},
    {WM_HELP, 0, 0, Handler<&CAboutDlg::OnHelpInfo>},
};
const MessageMap CAboutDlg::kMessageMap = {&CDialog::kMessageMap, kMessageEntries,
                                           std::size(kMessageEntries)};

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ABOUTBOX, pParentWnd) {}

int CAboutDlg::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  DressWindow(*this, kAboutDressing, m_bmpBackground, m_pWindowRgn);
  return 0;
}

BOOL CAboutDlg::OnEraseBkgnd(CDC* pDC) {
  return PaintBackground(pDC, kAboutDressing);
}

// The box cannot be dragged: a press anywhere on it closes it.
void CAboutDlg::OnLButtonDown(UINT, CPoint) {
  OnOK();
}

BOOL CAboutDlg::OnHelpInfo(HELPINFO*) {
  return OpenHelpContents();
}

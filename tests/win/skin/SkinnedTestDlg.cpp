#include "SkinnedTestDlg.h"

#include "SkinTestIds.h"

const MessageEntry CSkinnedTestDlg::kMessageEntries[] = {
    {WM_CREATE, 0, 0, Handler<&CSkinnedTestDlg::OnCreate>},
    {WM_ERASEBKGND, 0, 0, Handler<&CSkinnedTestDlg::OnEraseBkgnd>},
    {WM_LBUTTONDOWN, 0, 0, Handler<&CSkinnedTestDlg::OnLButtonDown>},
};
const MessageMap CSkinnedTestDlg::kMessageMap = {&CDialog::kMessageMap, kMessageEntries,
                                                 std::size(kMessageEntries)};

CSkinnedTestDlg::CSkinnedTestDlg() : CDialog(IDD_SKINNED_TEST) {}

void CSkinnedTestDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_DISPLAY, m_btnDisplay);
  DDX_Control(pDX, IDC_RESET, m_btnReset);
  DDX_Control(pDX, IDC_ABOUT, m_btnAbout);
  DDX_Control(pDX, IDC_HIDE, m_btnHide);
  DDX_Control(pDX, IDC_EXIT, m_btnExit);
}

BOOL CSkinnedTestDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  DressButtons(*this, kCalculatorButtons);
  if (m_onInitDialog) m_onInitDialog();
  return TRUE;
}

int CSkinnedTestDlg::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  DressWindow(*this, kCalculatorDressing, m_bmpBackground, m_pWindowRgn);
  return 0;
}

BOOL CSkinnedTestDlg::OnEraseBkgnd(CDC* pDC) {
  return PaintBackground(pDC, kCalculatorDressing);
}

void CSkinnedTestDlg::OnLButtonDown(UINT, CPoint point) {
  DragFromSurface(*this, point);
}

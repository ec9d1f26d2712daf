#include "StatusDlg.h"

#include "app/resource.h"

CStatusDlg::CStatusDlg(CWnd* pParentWnd) : CDialog(IDD_STATUS, pParentWnd) {}

void CStatusDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PROGRESS_TEXT, m_staticProgress);
}

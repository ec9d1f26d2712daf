#include "SubnetTableDlg.h"

#include "app/resource.h"

CSubnetTableDlg::CSubnetTableDlg(CWnd* pParentWnd) : CDialog(IDD_SUBNET_TABLE, pParentWnd) {}

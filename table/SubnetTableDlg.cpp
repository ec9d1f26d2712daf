#include "SubnetTableDlg.h"

#include <iterator>

#include "app/HelpRequest.h"
#include "app/resource.h"
#include "skin/Dressings.h"

namespace {

struct ColumnHeading {
  SubnetColumn nColumn;
  const char* pszHeading;
};
const ColumnHeading kColumns[] = {
    {kColumnNumber, "Number"},        {kColumnNetwork, "Network"},
    {kColumnMask, "Subnet mask"},     {kColumnBroadcast, "Broadcast"},
    {kColumnFirstHost, "First Host"}, {kColumnLastHost, "Last Host"},
};

// The list view copies a cell's text before it asks for the next one, so one buffer of each
// kind serves every request for the life of the program.
char g_szCellText[kMaxCellText + 1];
wchar_t g_szWideCellText[kMaxCellText + 1];

// The text of one cell in the shared buffer, or null when the request asks for no text or
// names a row the table does not have.
char* CellText(const std::vector<SubnetRecord>& records, int nRow, int nColumn, UINT nMask) {
  if ((nMask & LVIF_TEXT) == 0 || nRow < 0 || static_cast<size_t>(nRow) >= records.size()) {
    return nullptr;
  }
  const size_t length = SubnetCellTextTo(g_szCellText, records[static_cast<size_t>(nRow)], nColumn);
  g_szCellText[length] = '\0';
  return g_szCellText;
}

}  // namespace

const MessageEntry CSubnetTableDlg::kMessageEntries[] = {
    {WM_NOTIFY, LVN_GETDISPINFOA, IDC_SUBNET_LIST, Handler<&CSubnetTableDlg::OnGetDispInfo>},
    {WM_CREATE, 0, 0, Handler<&CSubnetTableDlg::OnCreate>},
    {WM_ERASEBKGND, 0, 0, Handler<&CSubnetTableDlg::OnEraseBkgnd>},
    {WM_LBUTTONDOWN, 0, 0, Handler<&CSubnetTableDlg::OnLButtonDown>},
    {WM_COMMAND, BN_CLICKED, IDC_DISPLAY, Handler<&CSubnetTableDlg::OnCloseButton>},
    {WM_COMMAND, BN_CLICKED, IDC_SAVE, Handler<&CSubnetTableDlg::OnSave>},
    {WM_NOTIFY, LVN_GETDISPINFOW, IDC_SUBNET_LIST, Handler<&CSubnetTableDlg::OnGetDispInfo>},
    {WM_HELP, 0, 0, Handler<&CSubnetTableDlg::OnHelpInfo>},
};
const MessageMap CSubnetTableDlg::kMessageMap = {&CDialog::kMessageMap, kMessageEntries,
                                                 std::size(kMessageEntries)};

CSubnetTableDlg::CSubnetTableDlg(CWnd* pParentWnd) : CDialog(IDD_SUBNET_TABLE, pParentWnd) {}

void CSubnetTableDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SAVE, m_btnSave);
  DDX_Control(pDX, IDC_DISPLAY, m_btnClose);
  DDX_Control(pDX, IDC_SUBNET_LIST, m_listSubnets);
}

BOOL CSubnetTableDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText("Velkaro - Subnet display");

  DressButtons(*this, kTableButtons);

  m_listSubnets.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  m_listSubnets.MoveWindow(40, 40, 520, 240, TRUE);
  for (const ColumnHeading& column : kColumns) {
    m_listSubnets.InsertColumn(column.nColumn, column.pszHeading, LVCFMT_LEFT);
  }

  // The user learns of the cap before the table shows.
  if (static_cast<uint32_t>(m_nSubnetCount) > MaxSubnetRows) {
    AfxMessageBox("Warning. Only the first 65535 subnets will be calculated!", MB_OK);
  }
  m_listSubnets.SetItemCount(static_cast<int>(SubnetRowCount(m_nSubnetCount)));

  m_listSubnets.SendMessage(WM_SETREDRAW, FALSE);
  m_records = GenerateSubnetRecords(m_nSubnetCount, m_dwNetwork, m_dwMask);
  const int numberWidth = m_listSubnets.GetStringWidth("Number.5");
  const int addressWidth = m_listSubnets.GetStringWidth("555.555.555.555.555");
  for (const ColumnHeading& column : kColumns) {
    m_listSubnets.SetColumnWidth(column.nColumn,
                                 column.nColumn == kColumnNumber ? numberWidth : addressWidth);
  }
  m_listSubnets.SendMessage(WM_SETREDRAW, TRUE);
  return TRUE;
}

void CSubnetTableDlg::OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  if (pNMHDR->code == LVN_GETDISPINFOW) {
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(pNMHDR)->item;
    const char* text = CellText(m_records, item.iItem, item.iSubItem, item.mask);
    if (text == nullptr) return;
    // Cell texts are digits and dots, so each byte widens to the same character.
    size_t i = 0;
    for (; text[i] != '\0'; ++i) g_szWideCellText[i] = static_cast<unsigned char>(text[i]);
    g_szWideCellText[i] = L'\0';
    item.pszText = g_szWideCellText;
    return;
  }
  LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR)->item;
  char* text = CellText(m_records, item.iItem, item.iSubItem, item.mask);
  if (text != nullptr) item.pszText = text;
}

// Escape must not cancel the table, nor Enter press one of its buttons.
BOOL CSubnetTableDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_RETURN)) {
    return TRUE;
  }
  return CDialog::PreTranslateMessage(pMsg);
}

void CSubnetTableDlg::OnCloseButton() {
  OnOK();
}

int CSubnetTableDlg::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  DressWindow(*this, kTableDressing, m_bmpBackground, m_pWindowRgn);
  return 0;
}

BOOL CSubnetTableDlg::OnEraseBkgnd(CDC* pDC) {
  return PaintBackground(pDC, kTableDressing);
}

void CSubnetTableDlg::OnLButtonDown(UINT, CPoint point) {
  DragFromSurface(*this, point);
}

BOOL CSubnetTableDlg::OnHelpInfo(HELPINFO*) {
  return OpenHelpContents();
}

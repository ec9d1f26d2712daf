#include "SubnetCalcDlg.h"

#include "AboutDlg.h"
#include "app/HelpRequest.h"
#include "app/resource.h"
#include "skin/Dressings.h"

namespace {

// Where LayoutControls puts the twelve controls, in client pixels, in the order it moves them.
struct Placement {
  int nID;
  int x;
  int y;
  int nWidth;
  int nHeight;
};
const Placement kLayout[] = {
    {IDC_OCTET1, 110, 126, 40, 25},        {IDC_OCTET2, 150, 126, 40, 25},
    {IDC_OCTET3, 190, 126, 40, 25},        {IDC_OCTET4, 230, 126, 40, 25},
    {IDC_STATUS_TEXT, 5, 150, 325, 25},    {IDC_PREFIX_LIST, 2, 230, 65, 150},
    {IDC_MASK_LIST, 66, 230, 119, 150},    {IDC_SUBNETS_LIST, 185, 230, 75, 150},
    {IDC_HOSTS_LIST, 260, 230, 88, 150},   {IDC_CLASS_TEXT, 140, 280, 200, 25},
    {IDC_NETWORK_TEXT, 140, 310, 200, 25}, {IDC_BROADCAST_TEXT, 140, 340, 200, 25},
};

// Texts are set only when they differ, so that the lines do not flicker.
void ShowText(CWnd& wnd, const std::string& text) {
  CString shown;
  wnd.GetWindowText(shown);
  if (shown != text) wnd.SetWindowText(text.c_str());
}

// Rows are refilled only when they differ, so that an open list keeps its place.
void ShowRows(CComboBox& combo, const ParameterRows& list) {
  const int count = static_cast<int>(list.rows.size());
  bool same = combo.GetCount() == count;
  for (int i = 0; same && i < count; ++i) {
    CString row;
    combo.GetLBText(i, row);
    same = row == list.rows[static_cast<size_t>(i)];
  }
  if (!same) {
    combo.ResetContent();
    for (const std::string& row : list.rows) combo.AddString(row.c_str());
  }
  if (combo.GetCurSel() != list.nSelected) combo.SetCurSel(list.nSelected);
}

}  // namespace

const MessageEntry CSubnetCalcDlg::kMessageEntries[] = {
    {WM_CREATE, 0, 0, Handler<&CSubnetCalcDlg::OnCreate>},
    {WM_ERASEBKGND, 0, 0, Handler<&CSubnetCalcDlg::OnEraseBkgnd>},
    {WM_LBUTTONDOWN, 0, 0, Handler<&CSubnetCalcDlg::OnLButtonDown>},
    {WM_COMMAND, BN_CLICKED, IDC_EXIT, Handler<&CSubnetCalcDlg::OnExit>},
    {WM_COMMAND, BN_CLICKED, IDC_HIDE, Handler<&CSubnetCalcDlg::OnHide>},
    {WM_COMMAND, BN_CLICKED, IDC_ABOUT, Handler<&CSubnetCalcDlg::OnAbout>},
    {WM_PAINT, 0, 0, Handler<&CSubnetCalcDlg::OnPaint>},
    {WM_COMMAND, EN_KILLFOCUS, IDC_OCTET1, Handler<&CSubnetCalcDlg::OnKillFocusFirstOctet>},
    {WM_COMMAND, EN_SETFOCUS, IDC_OCTET1, Handler<&CSubnetCalcDlg::OnSetFocusFirstOctet>},
    {WM_COMMAND, EN_SETFOCUS, IDC_OCTET2, Handler<&CSubnetCalcDlg::OnSetFocusMiddleOctet>},
    {WM_COMMAND, EN_SETFOCUS, IDC_OCTET3, Handler<&CSubnetCalcDlg::OnSetFocusMiddleOctet>},
    {WM_COMMAND, EN_SETFOCUS, IDC_OCTET4, Handler<&CSubnetCalcDlg::OnSetFocusLastOctet>},
    {WM_COMMAND, CBN_SETFOCUS, IDC_PREFIX_LIST, Handler<&CSubnetCalcDlg::OnSetFocusList>},
    {WM_COMMAND, CBN_SETFOCUS, IDC_HOSTS_LIST, Handler<&CSubnetCalcDlg::OnSetFocusList>},
    {WM_COMMAND, CBN_SETFOCUS, IDC_SUBNETS_LIST, Handler<&CSubnetCalcDlg::OnSetFocusList>},
    {WM_COMMAND, CBN_SETFOCUS, IDC_MASK_LIST, Handler<&CSubnetCalcDlg::OnSetFocusList>},
    {WM_COMMAND, BN_CLICKED, IDC_RESET, Handler<&CSubnetCalcDlg::OnReset>},
    {WM_COMMAND, CBN_SELCHANGE, IDC_PREFIX_LIST,
     Handler<&CSubnetCalcDlg::OnSelChangeList<ParameterList::Prefix>>},
    {WM_COMMAND, CBN_SELCHANGE, IDC_MASK_LIST,
     Handler<&CSubnetCalcDlg::OnSelChangeList<ParameterList::Mask>>},
    {WM_COMMAND, CBN_SELCHANGE, IDC_HOSTS_LIST,
     Handler<&CSubnetCalcDlg::OnSelChangeList<ParameterList::Hosts>>},
    {WM_COMMAND, CBN_SELCHANGE, IDC_SUBNETS_LIST,
     Handler<&CSubnetCalcDlg::OnSelChangeList<ParameterList::Subnets>>},
    {WM_COMMAND, EN_KILLFOCUS, IDC_OCTET2, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, EN_KILLFOCUS, IDC_OCTET3, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, EN_KILLFOCUS, IDC_OCTET4, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, CBN_KILLFOCUS, IDC_PREFIX_LIST, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, CBN_KILLFOCUS, IDC_MASK_LIST, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, CBN_KILLFOCUS, IDC_HOSTS_LIST, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, CBN_KILLFOCUS, IDC_SUBNETS_LIST, Handler<&CSubnetCalcDlg::OnKillFocusOctetOrList>},
    {WM_COMMAND, BN_CLICKED, IDC_DISPLAY, Handler<&CSubnetCalcDlg::OnDisplaySubnets>},
    {WM_HELP, 0, 0, Handler<&CSubnetCalcDlg::OnHelpInfo>},
};
const MessageMap CSubnetCalcDlg::kMessageMap = {&CDialog::kMessageMap, kMessageEntries,
                                                std::size(kMessageEntries)};

CSubnetCalcDlg::CSubnetCalcDlg(CWnd* pParentWnd)
    : CDialog(IDD_CALCULATOR, pParentWnd), m_hIcon(AfxGetApp()->LoadIcon(IDI_MAINFRAME)) {}

void CSubnetCalcDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_NETWORK_TEXT, m_staticNetwork);
  DDX_Control(pDX, IDC_BROADCAST_TEXT, m_staticBroadcast);
  DDX_Control(pDX, IDC_MASK_LIST, m_comboMask);
  DDX_Control(pDX, IDC_SUBNETS_LIST, m_comboSubnets);
  DDX_Control(pDX, IDC_HOSTS_LIST, m_comboHosts);
  DDX_Control(pDX, IDC_STATUS_TEXT, m_staticStatus);
  DDX_Control(pDX, IDC_CLASS_TEXT, m_staticClass);
  DDX_Control(pDX, IDC_PREFIX_LIST, m_comboPrefix);
  DDX_Control(pDX, IDC_OCTET4, m_editOctet4);
  DDX_Control(pDX, IDC_OCTET3, m_editOctet3);
  DDX_Control(pDX, IDC_OCTET2, m_editOctet2);
  DDX_Control(pDX, IDC_OCTET1, m_editOctet1);
  DDX_Control(pDX, IDC_DISPLAY, m_btnDisplay);
  DDX_Control(pDX, IDC_RESET, m_btnReset);
  DDX_Control(pDX, IDC_ABOUT, m_btnAbout);
  DDX_Control(pDX, IDC_HIDE, m_btnHide);
  DDX_Control(pDX, IDC_EXIT, m_btnExit);
  // Every field takes three characters at most: the range test reads no more than three, so
  // a longer number would enter the address unchecked and carry into the next octet.
  DDX_Text(pDX, IDC_OCTET1, m_strOctet1);
  DDV_MaxChars(pDX, m_strOctet1, 3);
  DDX_Text(pDX, IDC_OCTET2, m_strOctet2);
  DDV_MaxChars(pDX, m_strOctet2, 3);
  DDX_Text(pDX, IDC_OCTET3, m_strOctet3);
  DDV_MaxChars(pDX, m_strOctet3, 3);
  DDX_Text(pDX, IDC_OCTET4, m_strOctet4);
  DDV_MaxChars(pDX, m_strOctet4, 3);
}

BOOL CSubnetCalcDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  // No caption bar: the title names the window on the task bar.
  SetWindowText("Velkaro");
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  DressButtons(*this, kCalculatorButtons);
  SetOctetRanges();
  LayoutControls();
  // The first octet field takes the focus and shows its prompt.
  return TRUE;
}

void CSubnetCalcDlg::SetOctetRanges() {
  m_editOctet1.SetRange(1, 223, m_editOctet2);
  m_editOctet2.SetRange(0, 255, m_editOctet3);
  m_editOctet3.SetRange(0, 255, m_editOctet4);
  m_editOctet4.SetRange(1, 254, m_comboPrefix);
}

void CSubnetCalcDlg::LayoutControls() {
  for (const Placement& p : kLayout) {
    GetDlgItem(p.nID)->MoveWindow(p.x, p.y, p.nWidth, p.nHeight, TRUE);
  }
}

BOOL CSubnetCalcDlg::PreTranslateMessage(MSG* pMsg) {
  // Escape would cancel the dialog and end the program.
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) return TRUE;
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CSubnetCalcDlg::AllOctetsValid() const {
  return m_editOctet1.IsValueInRange() && m_editOctet2.IsValueInRange() &&
         m_editOctet3.IsValueInRange() && m_editOctet4.IsValueInRange();
}

void CSubnetCalcDlg::FocusFirstInvalidOctet() {
  for (COctetEdit* pField : {&m_editOctet1, &m_editOctet2, &m_editOctet3, &m_editOctet4}) {
    if (!pField->IsValueInRange()) {
      pField->SetFocus();
      return;
    }
  }
}

OctetEntry CSubnetCalcDlg::CurrentEntry() const {
  OctetEntry entry;
  const COctetEdit* fields[] = {&m_editOctet1, &m_editOctet2, &m_editOctet3, &m_editOctet4};
  for (size_t i = 0; i < entry.strOctet.size(); ++i) {
    CString text;
    fields[i]->GetWindowText(text);
    entry.strOctet[i] = text;
  }
  entry.bFirstValid = m_editOctet1.IsValueInRange();
  entry.bAllValid = AllOctetsValid();
  return entry;
}

CComboBox& CSubnetCalcDlg::ComboOf(ParameterList list) {
  // In the order of ParameterList.
  CComboBox* const combos[] = {&m_comboPrefix, &m_comboMask, &m_comboSubnets, &m_comboHosts};
  return *combos[static_cast<size_t>(list)];
}

std::string CSubnetCalcDlg::SelectedText(ParameterList list) const {
  const ParameterRows& rows = m_engine.List(list);
  if (rows.nSelected < 0 || rows.nSelected >= static_cast<int>(rows.rows.size())) return {};
  return rows.rows[static_cast<size_t>(rows.nSelected)];
}

void CSubnetCalcDlg::ShowEngineState() {
  ShowText(m_staticClass, m_engine.m_strClassLine);
  ShowText(m_staticNetwork, m_engine.m_strNetworkLine);
  ShowText(m_staticBroadcast, m_engine.m_strBroadcastLine);
  for (ParameterList list :
       {ParameterList::Prefix, ParameterList::Mask, ParameterList::Subnets, ParameterList::Hosts}) {
    ShowRows(ComboOf(list), m_engine.List(list));
  }
}

void CSubnetCalcDlg::ShowPrompt(const char* text) {
  m_staticStatus.SetWindowText(text);
  m_staticStatus.UpdateWindow();
}

int CSubnetCalcDlg::OnCreate(LPCREATESTRUCT) {
  if (Default() == -1) return -1;
  DressWindow(*this, kCalculatorDressing, m_bmpBackground, m_pWindowRgn);
  return 0;
}

BOOL CSubnetCalcDlg::OnEraseBkgnd(CDC* pDC) {
  return PaintBackground(pDC, kCalculatorDressing);
}

void CSubnetCalcDlg::OnLButtonDown(UINT, CPoint point) {
  DragFromSurface(*this, point);
}

void CSubnetCalcDlg::OnExit() {
  if (AfxMessageBox("This will terminate this program.\nAre you sure you want to quit?",
                    MB_ICONQUESTION | MB_OKCANCEL) == IDOK) {
    OnOK();
    return;
  }
  FocusFirstInvalidOctet();
}

void CSubnetCalcDlg::OnHide() {
  // Through the placement, so that the window keeps its normal place for the restore.
  WINDOWPLACEMENT placement{};
  if (!GetWindowPlacement(&placement)) return;
  placement.showCmd = SW_MINIMIZE;
  SetWindowPlacement(&placement);
}

void CSubnetCalcDlg::OnAbout() {
  CAboutDlg dlg;
  dlg.DoModal();
  FocusFirstInvalidOctet();
}

void CSubnetCalcDlg::OnPaint() {
  if (!IsIconic()) {
    Default();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  const int cxIcon = GetSystemMetrics(SM_CXICON);
  const int cyIcon = GetSystemMetrics(SM_CYICON);
  CRect rect;
  GetClientRect(&rect);
  dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
}

void CSubnetCalcDlg::OnKillFocusFirstOctet() {
  m_engine.UpdateAddressClass(CurrentEntry());
  ShowEngineState();
}

void CSubnetCalcDlg::OnSetFocusFirstOctet() {
  ShowPrompt("Please enter a number between 1 and 223");
}

void CSubnetCalcDlg::OnSetFocusMiddleOctet() {
  ShowPrompt("Please enter a number between 0 and 255");
}

void CSubnetCalcDlg::OnSetFocusLastOctet() {
  ShowPrompt("Please enter a number between 1 and 254");
}

void CSubnetCalcDlg::OnSetFocusList() {
  // The lists mean nothing without a whole address: send the user back to finish it.
  if (AllOctetsValid()) {
    ShowPrompt("Select from the pulldown menu.");
  } else {
    FocusFirstInvalidOctet();
  }
}

void CSubnetCalcDlg::OnReset() {
  for (COctetEdit* pField : {&m_editOctet1, &m_editOctet2, &m_editOctet3, &m_editOctet4}) {
    pField->SetWindowText("");
  }
  m_engine.ClearParameterLists();
  ShowEngineState();
  m_editOctet1.SetFocus();
}

template <ParameterList source>
void CSubnetCalcDlg::OnSelChangeList() {
  m_engine.SelectParameterRow(source, ComboOf(source).GetCurSel());
  m_engine.SyncParameterLists(source, CurrentEntry());
  ShowEngineState();
}

void CSubnetCalcDlg::OnKillFocusOctetOrList() {
  m_engine.SyncParameterLists(ParameterList::Prefix, CurrentEntry());
  ShowEngineState();
}

BOOL CSubnetCalcDlg::OnHelpInfo(HELPINFO*) {
  return OpenHelpContents();
}

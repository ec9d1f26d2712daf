#include "TestDialog.h"

#include "TestIds.h"

const MessageEntry KeyLoggingEdit::kMessageEntries[] = {
    {WM_APP, 0, 0, Handler<&KeyLoggingEdit::OnProbe>},
};
const MessageMap KeyLoggingEdit::kMessageMap = {&CEdit::kMessageMap, kMessageEntries,
                                                std::size(kMessageEntries)};

BOOL KeyLoggingEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return CEdit::PreTranslateMessage(pMsg);
  if (m_pLog != nullptr) m_pLog->push_back("edit");
  return m_bSwallowKeys ? TRUE : CEdit::PreTranslateMessage(pMsg);
}

void SwatchButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  ++m_nDrawn;
  HBRUSH brush = ::CreateSolidBrush(kColor);
  ::FillRect(lpDrawItemStruct->hDC, &lpDrawItemStruct->rcItem, brush);
  ::DeleteObject(brush);
}

const MessageEntry TestDialog::kMessageEntries[] = {
    {WM_CREATE, 0, 0, Handler<&TestDialog::OnCreate>},
    {WM_HELP, 0, 0, Handler<&TestDialog::OnHelpInfo>},
};
const MessageMap TestDialog::kMessageMap = {&CDialog::kMessageMap, kMessageEntries,
                                            std::size(kMessageEntries)};

TestDialog::TestDialog(CWnd* pParentWnd) : CDialog(IDD_TEST, pParentWnd) {
  m_edit.m_pLog = &m_log;
}

void TestDialog::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, IDC_EDIT, m_edit);
  DDX_Control(pDX, IDC_COMBO, m_combo);
  DDX_Control(pDX, IDC_LABEL, m_static);
  DDX_Control(pDX, IDC_DRAWN, m_btnDrawn);
  DDX_Control(pDX, IDC_LIST, m_list);
  DDX_Text(pDX, IDC_EDIT, m_strEdit);
  if (m_nMaxChars > 0) DDV_MaxChars(pDX, m_strEdit, m_nMaxChars);
}

BOOL TestDialog::OnInitDialog() {
  m_log.push_back("WM_INITDIALOG");
  CDialog::OnInitDialog();
  if (m_onInit) m_onInit();
  return m_bInitResult;
}

BOOL TestDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) m_log.push_back("dialog");
  return CDialog::PreTranslateMessage(pMsg);
}

int TestDialog::OnCreate(LPCREATESTRUCT) {
  m_log.push_back("WM_CREATE");
  return static_cast<int>(Default());
}

BOOL TestDialog::OnHelpInfo(HELPINFO* pHelpInfo) {
  m_log.push_back("WM_HELP");
  m_hHelpItem = static_cast<HWND>(pHelpInfo->hItemHandle);
  return TRUE;
}

MainWindow::MainWindow() : CDialog(IDD_MAIN) {
  Create(IDD_MAIN);
  ShowWindow(SW_SHOW);
  UpdateWindow();
  AfxGetApp()->m_pMainWnd = this;
}

MainWindow::~MainWindow() {
  AfxGetApp()->m_pMainWnd = nullptr;
}

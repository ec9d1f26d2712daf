// The library tests' dialog: one control of each kind the program uses, bound by data
// exchange, and a log of what reaches the dialog and its edit field.
#pragma once

#include <Afx.h>

#include <functional>
#include <string>
#include <vector>

using EventLog = std::vector<std::string>;

// An edit field that logs the keys offered to its PreTranslateMessage, and may swallow them.
class KeyLoggingEdit : public CEdit {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override;
  void OnProbe() { ++m_nProbes; }

  EventLog* m_pLog = nullptr;
  bool m_bSwallowKeys = false;
  int m_nProbes = 0;  // WM_APP messages that reached the table

 protected:
  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }
};

// An owner-drawn button that fills itself with one colour.
class SwatchButton : public CButton {
 public:
  static constexpr COLORREF kColor = RGB(0, 160, 0);
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  int m_nDrawn = 0;
};

class TestDialog : public CDialog {
 public:
  explicit TestDialog(CWnd* pParentWnd = nullptr);

  KeyLoggingEdit m_edit;
  CComboBox m_combo;
  CStatic m_static;
  SwatchButton m_btnDrawn;
  CListCtrl m_list;
  CString m_strEdit;
  int m_nMaxChars = 0;  // DDV_MaxChars on the edit field when above 0

  EventLog m_log;
  // Runs at the end of OnInitDialog, whose result is m_bInitResult.
  std::function<void()> m_onInit;
  BOOL m_bInitResult = TRUE;
  HWND m_hHelpItem = nullptr;  // the control of the last WM_HELP

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }
};

// A shown modeless dialog that is the application's main window while it lives.
class MainWindow : public CDialog {
 public:
  MainWindow();
  ~MainWindow() override;
};

// Makes a window the main window for the rest of the scope.
class MainWindowScope {
 public:
  explicit MainWindowScope(CWnd* pWnd) { AfxGetApp()->m_pMainWnd = pWnd; }
  ~MainWindowScope() { AfxGetApp()->m_pMainWnd = nullptr; }
  MainWindowScope(const MainWindowScope&) = delete;
  MainWindowScope& operator=(const MainWindowScope&) = delete;
};

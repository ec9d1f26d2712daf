// CWinApp: the one application object. The library's WinMain sets it up and runs its
// InitInstance; the program ends when InitInstance returns FALSE.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CWinApp {
 public:
  // With no name the application takes its executable's file name without extension.
  explicit CWinApp(const char* pszAppName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  virtual BOOL InitInstance() { return FALSE; }
  virtual int Run();

  // Every dialog and message box of the program draws its background and static texts in
  // these colours from now on.
  void SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText);
  // Opens the application's help file with a help command, on behalf of the main window.
  void WinHelp(DWORD_PTR dwData, UINT nCmd);
  HICON LoadIcon(UINT nIDResource) const;

  // Fills in the module, name and help path; called once by WinMain, and by test programs.
  void SetUp(HINSTANCE hInstance);

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;
  const char* m_pszAppName = nullptr;
  const char* m_pszHelpFilePath = nullptr;

 private:
  std::string m_strAppName;
  std::string m_strHelpFilePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// A message box captioned with the application name and owned by the program's active window;
// with no icon in nType it shows the exclamation icon.
int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);

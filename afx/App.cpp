#include "App.h"

#include <windows.h>

#include <commctrl.h>

#include "CreateHook.h"
#include "DialogColors.h"
#include "Wnd.h"

namespace {

CWinApp* g_pApp = nullptr;

std::string ModulePath(HINSTANCE hInstance) {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(hInstance, path, MAX_PATH);
  return std::string(path, length);
}

std::string BaseNameWithoutExtension(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string WithExtension(const std::string& path, const char* extension) {
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? path.substr(0, dot) : path) + extension;
}

// The window that owns a message box: the program's active window, else its main window.
HWND MessageBoxOwner() {
  HWND hOwner = ::GetActiveWindow();
  if (hOwner == nullptr) {
    CWnd* pMain = AfxGetMainWnd();
    hOwner = pMain == nullptr ? nullptr : pMain->m_hWnd;
  }
  return hOwner;
}

}  // namespace

CWinApp::CWinApp(const char* pszAppName) : m_pszAppName(pszAppName) {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

void CWinApp::SetUp(HINSTANCE hInstance) {
  m_hInstance = hInstance;
  const std::string path = ModulePath(hInstance);
  if (m_pszAppName == nullptr) {
    m_strAppName = BaseNameWithoutExtension(path);
    m_pszAppName = m_strAppName.c_str();
  }
  m_strHelpFilePath = WithExtension(path, ".HLP");
  m_pszHelpFilePath = m_strHelpFilePath.c_str();
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
}

int CWinApp::Run() {
  return 0;
}

void CWinApp::SetDialogBkColor(COLORREF clrCtlBk, COLORREF clrCtlText) {
  SetDialogColors(clrCtlBk, clrCtlText);
  HookForeignDialogs();
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
  CWnd* pMain = AfxGetMainWnd();
  if (pMain != nullptr) pMain->WinHelp(m_pszHelpFilePath, dwData, nCmd);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
  return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

CWinApp* AfxGetApp() {
  return g_pApp;
}
CWnd* AfxGetMainWnd() {
  return g_pApp == nullptr ? nullptr : g_pApp->m_pMainWnd;
}

HINSTANCE AfxGetInstanceHandle() {
  return g_pApp != nullptr && g_pApp->m_hInstance != nullptr ? g_pApp->m_hInstance
                                                             : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
  return AfxGetInstanceHandle();
}

int AfxMessageBox(const char* lpszText, UINT nType, UINT) {
  if ((nType & MB_ICONMASK) == 0) nType |= MB_ICONEXCLAMATION;
  HWND hOwner = MessageBoxOwner();
  // A message box enables its owner when it closes; an owner disabled by a modal dialog
  // that is still being set up must stay disabled.
  const bool ownerWasDisabled = hOwner != nullptr && !::IsWindowEnabled(hOwner);
  const CWinApp* pApp = AfxGetApp();
  const int answer =
      ::MessageBoxA(hOwner, lpszText, pApp == nullptr ? nullptr : pApp->m_pszAppName, nType);
  if (ownerWasDisabled) ::EnableWindow(hOwner, FALSE);
  return answer;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return 1;
  pApp->SetUp(hInstance);
  return pApp->InitInstance() ? pApp->Run() : 0;
}

#include "Dialog.h"

#include "App.h"
#include "CreateHook.h"
#include "DialogColors.h"
#include "Gdi.h"

namespace {

// Our window procedure does the dialog's work; the dialog manager's own procedure then does
// the default.
INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) {
  return FALSE;
}

HWND TopLevelOf(HWND hWnd) {
  while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD) != 0) {
    hWnd = ::GetParent(hWnd);
  }
  return hWnd;
}

}  // namespace

const MessageEntry CDialog::kMessageEntries[] = {
    {WM_COMMAND, BN_CLICKED, IDOK, Handler<&CDialog::OnOK>},
    {WM_COMMAND, BN_CLICKED, IDCANCEL, Handler<&CDialog::OnCancel>},
};
const MessageMap CDialog::kMessageMap = {&CWnd::kMessageMap, kMessageEntries,
                                         std::size(kMessageEntries)};

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

HWND CDialog::CreateFromTemplate(UINT nIDTemplate, HWND hOwner) {
  HookWindowCreate(this);
  HWND hWnd = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDTemplate), hOwner,
                                   &NoDialogProc, 0);
  UnhookWindowCreate();
  return hWnd;
}

// Dialogs constructed without a parent belong to the main window.
static HWND OwnerFor(const CWnd* pDialog, CWnd* pParentWnd) {
  CWnd* pOwner = pParentWnd != nullptr ? pParentWnd : AfxGetMainWnd();
  if (pOwner == nullptr || pOwner == pDialog) return nullptr;
  return TopLevelOf(pOwner->m_hWnd);
}

INT_PTR CDialog::DoModal() {
  HWND hOwner = OwnerFor(this, m_pParentWnd);
  const bool enableOwner = hOwner != nullptr && ::IsWindowEnabled(hOwner);
  if (enableOwner) ::EnableWindow(hOwner, FALSE);

  m_bContinueModal = true;
  m_nModalResult = -1;
  if (CreateFromTemplate(m_nIDTemplate, hOwner) != nullptr) {
    if (m_bContinueModal) {
      ShowWindow(SW_SHOWNORMAL);
      RunModalLoop();
    }
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  // The owner is enabled before the dialog goes, so that it takes the activation back.
  if (enableOwner) ::EnableWindow(hOwner, TRUE);
  if (hOwner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd) {
    ::SetActiveWindow(hOwner);
  }
  DestroyWindow();
  return m_nModalResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return CreateFromTemplate(nIDTemplate, OwnerFor(this, pParentWnd)) != nullptr;
}

void CDialog::RunModalLoop() {
  // A dialog destroyed without EndDialog ends the loop too, or it would run for ever.
  while (m_bContinueModal && m_hWnd != nullptr) {
    MSG msg;
    if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      CWnd::DeleteTempMap();
      CGdiObject::DeleteTempMap();
      CDC::DeleteTempMap();
    }
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (!got) {
      // Leave the quit for the loop that owns it.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (!PreTranslateForDialog(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

// Offers a message for this dialog or one of its controls to the window it is for, then to
// each parent up to the dialog, before anything else sees it.
BOOL CDialog::PreTranslateForDialog(MSG* pMsg) {
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == m_hWnd) break;
  }
  return FALSE;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bContinueModal = false;
  PostMessage(WM_NULL);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  return ::IsDialogMessageA(m_hWnd, pMsg);
}

// A hidden dialog that its initialisation did not move, with no owner or a disabled one and no
// centring style of its own, is centred before it is shown.
LRESULT CDialog::HandleInitDialog() {
  const DWORD styleBefore = GetStyle();
  RECT before;
  GetWindowRect(&before);
  const BOOL result = OnInitDialog();
  RECT after;
  GetWindowRect(&after);
  HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
  const DWORD centringStyles = DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN;
  const bool centre = (styleBefore & (WS_VISIBLE | WS_CHILD | centringStyles)) == 0 &&
                      (GetStyle() & WS_VISIBLE) == 0 && before.left == after.left &&
                      before.top == after.top && (hOwner == nullptr || !::IsWindowEnabled(hOwner));
  if (centre) CenterWindow();
  return result;
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) return HandleInitDialog();
  LRESULT result = 0;
  if (ApplyDialogColors(message, wParam, lParam, &result)) return result;
  return CWnd::WindowProc(message, wParam, lParam);
}

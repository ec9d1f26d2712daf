#include "Controls.h"

void CEdit::SetLimitText(UINT nMax) {
  SendMessage(EM_LIMITTEXT, nMax);
}
UINT CEdit::GetLimitText() {
  return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT));
}

int CComboBox::GetCount() {
  return static_cast<int>(SendMessage(CB_GETCOUNT));
}
int CComboBox::GetCurSel() {
  return static_cast<int>(SendMessage(CB_GETCURSEL));
}

int CComboBox::SetCurSel(int nSelect) {
  return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

int CComboBox::AddString(const char* text) {
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

void CComboBox::ResetContent() {
  SendMessage(CB_RESETCONTENT);
}

void CComboBox::GetLBText(int nIndex, CString& text) {
  const auto index = static_cast<WPARAM>(nIndex);
  const LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
  if (length == CB_ERR) {
    text.clear();
    return;
  }
  text.assign(static_cast<size_t>(length), '\0');
  const LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return FALSE;
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  *pResult = TRUE;
  return TRUE;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  return static_cast<DWORD>(
      SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

int CListCtrl::InsertColumn(int nCol, const char* heading, int nFormat, int nWidth, int nSubItem) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.fmt = nFormat;
  column.pszText = const_cast<char*>(heading);
  if (nWidth != -1) {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1) {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return static_cast<int>(
      SendMessage(LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol), reinterpret_cast<LPARAM>(&column)));
}

void CListCtrl::SetItemCount(int nItems) {
  SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(nItems));
}

int CListCtrl::GetItemCount() {
  return static_cast<int>(SendMessage(LVM_GETITEMCOUNT));
}

int CListCtrl::GetStringWidth(const char* text) {
  return static_cast<int>(SendMessage(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text)));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  return static_cast<BOOL>(
      SendMessage(LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)));
}

int CListCtrl::GetColumnWidth(int nCol) {
  return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
}

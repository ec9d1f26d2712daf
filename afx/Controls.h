// The standard controls, bound to a dialog's controls with DDX_Control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "Wnd.h"

class CEdit : public CWnd {
 public:
  void SetLimitText(UINT nMax);
  UINT GetLimitText();
};

class CStatic : public CWnd {};

class CComboBox : public CWnd {
 public:
  int GetCount();
  int GetCurSel();
  int SetCurSel(int nSelect);
  int AddString(const char* text);
  void ResetContent();
  void GetLBText(int nIndex, CString& text);
};

// A button; an owner-drawn one draws itself in DrawItem when its parent is asked to.
class CButton : public CWnd {
 public:
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CListCtrl : public CWnd {
 public:
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  int InsertColumn(int nCol, const char* heading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  void SetItemCount(int nItems);
  int GetItemCount();
  int GetStringWidth(const char* text);
  BOOL SetColumnWidth(int nCol, int cx);
  int GetColumnWidth(int nCol);
};

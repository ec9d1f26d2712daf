// The about box: its picture says it all; a click anywhere closes it.
#pragma once

#include "Afx.h"
#include "skin/TransparentBitmap.h"

class CAboutDlg : public CDialog {
 public:
  explicit CAboutDlg(CWnd* pParentWnd = nullptr);

 protected:
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

 private:
  CTransparentBitmap m_bmpBackground;
  CRgn* m_pWindowRgn = nullptr;
};

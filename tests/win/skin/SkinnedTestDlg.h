// A dialog dressed as the program's windows are: the calculator's picture, outline and
// buttons, dragged from its surface.
#pragma once

#include <functional>

#include "Afx.h"
#include "Dressings.h"

class CSkinnedTestDlg : public CDialog {
 public:
  CSkinnedTestDlg();

  // Called at the end of OnInitDialog.
  std::function<void()> m_onInitDialog;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

 private:
  CHoverButton m_btnDisplay;
  CHoverButton m_btnReset;
  CHoverButton m_btnAbout;
  CHoverButton m_btnHide;
  CHoverButton m_btnExit;
  CTransparentBitmap m_bmpBackground;
  CRgn* m_pWindowRgn = nullptr;
};

// The subnet table window: every subnet of a classful network in a virtual report list, with
// a command that saves the rows to a file.
#pragma once

#include <cstdint>
#include <vector>

#include "Afx.h"
#include "skin/HoverButton.h"
#include "SubnetEnumeration.h"
#include "skin/TransparentBitmap.h"

class CSubnetTableDlg : public CDialog {
 public:
  explicit CSubnetTableDlg(CWnd* pParentWnd = nullptr);

  // Set by the caller between construction and DoModal.
  int32_t m_nSubnetCount = 0;
  uint32_t m_dwNetwork = 0;
  uint32_t m_dwMask = 0;

  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult);
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnCloseButton();
  void OnSave();
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

 private:
  std::vector<SubnetRecord> m_records;
  CHoverButton m_btnSave;
  CHoverButton m_btnClose;
  CListCtrl m_listSubnets;
  CTransparentBitmap m_bmpBackground;
  CRgn* m_pWindowRgn = nullptr;
};

// The small modeless window that counts the rows while a table is saved.
#pragma once

#include "Afx.h"

class CStatusDlg : public CDialog {
 public:
  explicit CStatusDlg(CWnd* pParentWnd = nullptr);
  ~CStatusDlg() override = default;

  CStatic m_staticProgress;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
};

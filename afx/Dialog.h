// CDialog: a dialog from a template of the program's resources, run modally by a message loop
// of the library's own (so every queued message first meets PreTranslateMessage) or created
// modeless.
#pragma once

#include "DataExchange.h"
#include "Wnd.h"

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

  // Runs the dialog until EndDialog; its owner (the parent, else the main window) is disabled
  // meanwhile. Returns the EndDialog result, or -1 when the dialog could not be created.
  virtual INT_PTR DoModal();
  // Creates the dialog modeless, owned by pParentWnd (else the main window).
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  void EndDialog(int nResult);
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  virtual void DoDataExchange(CDataExchange* pDX);
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

 private:
  HWND CreateFromTemplate(UINT nIDTemplate, HWND hOwner);
  LRESULT HandleInitDialog();
  void RunModalLoop();
  BOOL PreTranslateForDialog(MSG* pMsg);

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;
  bool m_bContinueModal = false;
  int m_nModalResult = -1;
};

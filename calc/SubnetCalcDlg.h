// The calculator window: four octet fields, four linked lists of masks, the class, network
// and broadcast lines, and the commands. It shows the engine's state after every call.
#pragma once

#include <string>

#include "Afx.h"
#include "OctetEdit.h"
#include "SubnetCalcEngine.h"
#include "skin/HoverButton.h"
#include "skin/TransparentBitmap.h"

class CSubnetCalcDlg : public CDialog {
 public:
  explicit CSubnetCalcDlg(CWnd* pParentWnd = nullptr);

  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL OnInitDialog() override;

  // Over the four octet fields, first to fourth.
  BOOL AllOctetsValid() const;
  void FocusFirstInvalidOctet();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnExit();
  void OnHide();
  void OnAbout();
  void OnPaint();
  void OnKillFocusFirstOctet();
  void OnSetFocusFirstOctet();
  void OnSetFocusMiddleOctet();
  void OnSetFocusLastOctet();
  void OnSetFocusList();
  void OnReset();
  template <ParameterList source>
  void OnSelChangeList();
  void OnKillFocusOctetOrList();
  void OnDisplaySubnets();
  BOOL OnHelpInfo(HELPINFO* pHelpInfo);

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

 private:
  void SetOctetRanges();
  void LayoutControls();
  void ShowPrompt(const char* text);
  // The four fields as the engine takes them: whole texts and validity.
  OctetEntry CurrentEntry() const;
  // Brings the lines and lists on the screen up to the engine's state.
  void ShowEngineState();
  CComboBox& ComboOf(ParameterList list);
  std::string SelectedText(ParameterList list) const;

  CStatic m_staticNetwork;
  CStatic m_staticBroadcast;
  CComboBox m_comboMask;
  CComboBox m_comboSubnets;
  CComboBox m_comboHosts;
  CStatic m_staticStatus;
  CStatic m_staticClass;
  CComboBox m_comboPrefix;
  COctetEdit m_editOctet4;
  COctetEdit m_editOctet3;
  COctetEdit m_editOctet2;
  COctetEdit m_editOctet1;
  CHoverButton m_btnDisplay;
  CHoverButton m_btnReset;
  CHoverButton m_btnAbout;
  CHoverButton m_btnHide;
  CHoverButton m_btnExit;
  CString m_strOctet1;
  CString m_strOctet2;
  CString m_strOctet3;
  CString m_strOctet4;
  CSubnetCalcEngine m_engine;
  CRgn* m_pWindowRgn = nullptr;
  CTransparentBitmap m_bmpBackground;
  HICON m_hIcon;
};

// A command button drawn as a picture, with a second picture while the pointer is over it.
#pragma once

#include "Afx.h"
#include "TransparentBitmap.h"

class CHoverButton : public CButton {
 public:
  CHoverButton() = default;

  // Places the button at (x, y) of its parent's client area with its two pictures, and adds
  // its rectangle to the window's outline pWindowRgn (none when null). Returns the region
  // combination's result.
  int SetImages(int x, int y, UINT nNormalID, UINT nHoverID, CRgn* pWindowRgn);
  // Moves and sizes the button to its normal picture at its place.
  void SizeToImage();
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnTimer(UINT_PTR nIDEvent);
  BOOL OnEraseBkgnd(CDC* pDC);

  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }

 private:
  BOOL m_bHover = FALSE;
  int m_nTop = 0;
  int m_nLeft = 0;
  CTransparentBitmap m_bmpHover;
  CTransparentBitmap m_bmpNormal;
  CRgn m_rgnButton;
};

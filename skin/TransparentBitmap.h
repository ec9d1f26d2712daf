// A bitmap that draws itself with one colour left see-through.
#pragma once

#include "Afx.h"

class CTransparentBitmap : public CBitmap {
 public:
  CTransparentBitmap() = default;

  // Draws the whole picture with its top-left corner at (x, y), leaving the target as it was
  // wherever the picture has the colour crKey.
  virtual void DrawTransparent(CDC* pDC, int x, int y, COLORREF crKey);
  // The picture's size in pixels, 0 with no picture.
  int GetWidth() const;
  int GetHeight() const;

  const COLORREF m_crBlack = RGB(0, 0, 0);
  const COLORREF m_crWhite = RGB(255, 255, 255);
};

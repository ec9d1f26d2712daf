// The frame of a dressed window: a background picture that gives the window its size, its
// outline and its surface, and a surface that drags the window. Each dressed dialog binds these
// in its own message table with the values of its dressing.
#pragma once

#include "Afx.h"
#include "TransparentBitmap.h"

// One dressed window: its picture and that picture's size in pixels.
struct SkinDressing {
  UINT nPictureID;
  int nWidth;
  int nHeight;
};

// The body of a dressed window's WM_CREATE handler, after the default processing succeeded:
// loads the picture into bmpBackground, makes the window exactly the picture's size at the
// screen's top-left corner, and gives it the picture's outline; pWindowRgn then names the
// region the system owns (to be read, never changed: the system may free it), or stays null
// when no outline could be made.
void DressWindow(CWnd& wnd, const SkinDressing& dressing, CTransparentBitmap& bmpBackground,
                 CRgn*& pWindowRgn);

// The body of a dressed window's WM_ERASEBKGND handler: paints the picture, with its own palette
// on palette displays. Always TRUE.
BOOL PaintBackground(CDC* pDC, const SkinDressing& dressing);

// Loads a bitmap resource as a DIB section into pBitmap and makes its palette in pPalette.
BOOL LoadPictureWithPalette(UINT nIDResource, CBitmap* pBitmap, CPalette* pPalette);

// The body of the WM_LBUTTONDOWN handler of a window that is dragged from any point of it.
void DragFromSurface(CWnd& wnd, CPoint point);

#include "SkinnedFrame.h"

#include "ShapeRegion.h"

namespace {

constexpr COLORREF kOutsideColour = RGB(255, 0, 255);

}  // namespace

void DressWindow(CWnd& wnd, const SkinDressing& dressing, CTransparentBitmap& bmpBackground,
                 CRgn*& pWindowRgn) {
  bmpBackground.LoadBitmap(dressing.nPictureID);
  CRect client;
  wnd.GetClientRect(&client);
  // The window is all client area, so this is the picture's size; the dialog is centred
  // after its initialisation, from this size.
  wnd.MoveWindow(client.left, client.top, dressing.nWidth - client.left,
                 dressing.nHeight - client.top, TRUE);
  HRGN hRgn = MakeShapeRegion(bmpBackground, kOutsideColour, 0);
  if (hRgn == nullptr) return;
  // Only a region the system took belongs to it.
  if (wnd.SetWindowRgn(hRgn, TRUE) == 0) {
    ::DeleteObject(hRgn);
    return;
  }
  pWindowRgn = CRgn::FromHandle(hRgn);
}

BOOL PaintBackground(CDC* pDC, const SkinDressing& dressing) {
  CDC memoryDC;
  CBitmap picture;
  CPalette palette;
  if (!memoryDC.CreateCompatibleDC(pDC) ||
      !LoadPictureWithPalette(dressing.nPictureID, &picture, &palette)) {
    return TRUE;
  }
  CBitmap* pOldBitmap = memoryDC.SelectObject(&picture);
  CPalette* pOldPalette = nullptr;
  if ((pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) != 0 && palette.GetSafeHandle() != nullptr) {
    pOldPalette = pDC->SelectPalette(&palette, FALSE);
    pDC->RealizePalette();
  }
  pDC->BitBlt(0, 0, dressing.nWidth, dressing.nHeight, &memoryDC, 0, 0, SRCCOPY);
  memoryDC.SelectObject(pOldBitmap);
  // A palette still selected into the target could not be deleted with its wrapper.
  if (pOldPalette != nullptr) pDC->SelectPalette(pOldPalette, TRUE);
  return TRUE;
}

void DragFromSurface(CWnd& wnd, CPoint point) {
  wnd.PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

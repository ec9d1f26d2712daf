#include "TransparentBitmap.h"

namespace {

BITMAP BitmapInfo(const CBitmap& bitmap) {
  BITMAP info{};
  bitmap.GetBitmap(&info);
  return info;
}

}  // namespace

int CTransparentBitmap::GetWidth() const {
  return BitmapInfo(*this).bmWidth;
}
int CTransparentBitmap::GetHeight() const {
  return BitmapInfo(*this).bmHeight;
}

// Mask technique: the picture is XORed onto the target, the key pixels' mask clears every
// other target pixel, and a second XOR leaves the picture there and the old target under the
// key pixels.
void CTransparentBitmap::DrawTransparent(CDC* pDC, int x, int y, COLORREF crKey) {
  const int width = GetWidth();
  const int height = GetHeight();
  CDC imageDC;
  CDC maskDC;
  CBitmap mask;
  if (width == 0 || height == 0 || !imageDC.CreateCompatibleDC(pDC) ||
      !maskDC.CreateCompatibleDC(pDC) || !mask.CreateBitmap(width, height, 1, 1, nullptr)) {
    return;
  }

  // A monochrome source paints its 1 bits in the target's background colour and its 0 bits
  // in the target's text colour.
  const COLORREF crOldBk = pDC->SetBkColor(m_crWhite);
  const COLORREF crOldText = pDC->SetTextColor(m_crBlack);
  CBitmap* pOldImage = imageDC.SelectObject(this);
  CBitmap* pOldMask = maskDC.SelectObject(&mask);

  // Colour to monochrome: pixels of the source's background colour become 1.
  imageDC.SetBkColor(crKey);
  maskDC.BitBlt(0, 0, width, height, &imageDC, 0, 0, SRCCOPY);
  pDC->BitBlt(x, y, width, height, &imageDC, 0, 0, SRCINVERT);
  pDC->BitBlt(x, y, width, height, &maskDC, 0, 0, SRCAND);
  pDC->BitBlt(x, y, width, height, &imageDC, 0, 0, SRCINVERT);

  maskDC.SelectObject(pOldMask);
  imageDC.SelectObject(pOldImage);
  pDC->SetBkColor(crOldBk);
  pDC->SetTextColor(crOldText);
}

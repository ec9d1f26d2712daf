#include <cstddef>
#include <vector>

#include "SkinnedFrame.h"

namespace {

constexpr UINT kMaxTableColours = 256;

// The picture's colour count: its stated count, else every value its pixels can take. Deeper
// pixels without a count have more colours than any table; the shift would overflow for them.
UINT ColourCount(const BITMAPINFOHEADER& header) {
  if (header.biClrUsed != 0) return header.biClrUsed;
  if (header.biBitCount > 8) return kMaxTableColours + 1;
  return 1u << header.biBitCount;
}

void MakeTablePalette(CDC* pScreenDC, CBitmap* pBitmap, UINT nColours, CPalette* pPalette) {
  std::vector<RGBQUAD> table(nColours);
  CDC memoryDC;
  if (!memoryDC.CreateCompatibleDC(pScreenDC)) return;
  CBitmap* pOldBitmap = memoryDC.SelectObject(pBitmap);
  const UINT nRead = ::GetDIBColorTable(memoryDC, 0, nColours, table.data());
  memoryDC.SelectObject(pOldBitmap);
  if (nRead == 0) return;

  std::vector<std::byte> storage(offsetof(LOGPALETTE, palPalEntry) + sizeof(PALETTEENTRY) * nRead);
  auto* pLogPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
  pLogPalette->palVersion = 0x300;
  pLogPalette->palNumEntries = static_cast<WORD>(nRead);
  PALETTEENTRY* pEntries = pLogPalette->palPalEntry;  // nRead of them in the storage
  for (UINT i = 0; i < nRead; ++i) {
    pEntries[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  }
  pPalette->CreatePalette(pLogPalette);
}

}  // namespace

BOOL LoadPictureWithPalette(UINT nIDResource, CBitmap* pBitmap, CPalette* pPalette) {
  HANDLE hImage = ::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(nIDResource), IMAGE_BITMAP,
                               0, 0, LR_CREATEDIBSECTION);
  if (hImage == nullptr) return FALSE;
  pBitmap->Attach(hImage);
  DIBSECTION dib{};
  pBitmap->GetObject(sizeof dib, &dib);
  const UINT nColours = ColourCount(dib.dsBmih);

  CClientDC screenDC(nullptr);
  if (nColours > kMaxTableColours) {
    pPalette->CreateHalftonePalette(&screenDC);
  } else {
    MakeTablePalette(&screenDC, pBitmap, nColours, pPalette);
  }
  return TRUE;
}

#include "ShapeRegion.h"

#include <cstddef>

#include "ShapeScan.h"

static_assert(sizeof(RGNDATAHEADER) == sizeof(RegionBlockHeader));
static_assert(offsetof(RGNDATAHEADER, rcBound) == offsetof(RegionBlockHeader, rcBound));

namespace {

// The block in movable global memory, locked while it is written.
class GlobalBlockMemory : public BlockMemory {
 public:
  GlobalBlockMemory() = default;
  ~GlobalBlockMemory() override {
    if (m_hMemory == nullptr) return;
    ::GlobalUnlock(m_hMemory);
    ::GlobalFree(m_hMemory);
  }
  GlobalBlockMemory(const GlobalBlockMemory&) = delete;
  GlobalBlockMemory& operator=(const GlobalBlockMemory&) = delete;

  void* Resize(std::size_t nBytes) override {
    if (m_hMemory == nullptr) {
      m_hMemory = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
      return m_hMemory == nullptr ? nullptr : ::GlobalLock(m_hMemory);
    }
    ::GlobalUnlock(m_hMemory);
    HGLOBAL hGrown = ::GlobalReAlloc(m_hMemory, nBytes, GMEM_MOVEABLE);
    if (hGrown != nullptr) m_hMemory = hGrown;
    void* pBlock = ::GlobalLock(m_hMemory);
    return hGrown == nullptr ? nullptr : pBlock;
  }

 private:
  HGLOBAL m_hMemory = nullptr;
};

// The union of the batches, built one region per batch.
class RegionUnion {
 public:
  RegionUnion() = default;
  ~RegionUnion() {
    if (m_hResult != nullptr) ::DeleteObject(m_hResult);
  }
  RegionUnion(const RegionUnion&) = delete;
  RegionUnion& operator=(const RegionUnion&) = delete;

  bool Take(const void* pBlock, std::size_t nBytes) {
    HRGN hBatch =
        ::ExtCreateRegion(nullptr, static_cast<DWORD>(nBytes), static_cast<const RGNDATA*>(pBlock));
    if (hBatch == nullptr) return false;
    if (m_hResult == nullptr) {
      m_hResult = hBatch;
      return true;
    }
    const int type = ::CombineRgn(m_hResult, m_hResult, hBatch, RGN_OR);
    ::DeleteObject(hBatch);
    return type != ERROR;
  }

  HRGN Release() {
    HRGN hResult = m_hResult;
    m_hResult = nullptr;
    return hResult;
  }

 private:
  HRGN m_hResult = nullptr;
};

// A memory context with a bitmap selected into it for as long as it lives.
class SelectedBitmap {
 public:
  SelectedBitmap(HDC hDC, HBITMAP hBitmap)
      : m_hDC(hDC), m_hPrevious(::SelectObject(hDC, hBitmap)) {}
  ~SelectedBitmap() { ::SelectObject(m_hDC, m_hPrevious); }
  SelectedBitmap(const SelectedBitmap&) = delete;
  SelectedBitmap& operator=(const SelectedBitmap&) = delete;

 private:
  HDC m_hDC;
  HGDIOBJ m_hPrevious;
};

struct MemoryDC {
  HDC hDC;
  explicit MemoryDC(HDC hReference) : hDC(::CreateCompatibleDC(hReference)) {}
  ~MemoryDC() {
    if (hDC != nullptr) ::DeleteDC(hDC);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
};

struct DibSection {
  void* pBits = nullptr;  // before hBitmap: Create sets it
  HBITMAP hBitmap;
  DibSection(HDC hDC, int nWidth, int nHeight) : hBitmap(Create(hDC, nWidth, nHeight)) {}
  ~DibSection() {
    if (hBitmap != nullptr) ::DeleteObject(hBitmap);
  }
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;

 private:
  HBITMAP Create(HDC hDC, int nWidth, int nHeight) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = nHeight;  // positive: rows stored bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return ::CreateDIBSection(hDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
  }
};

}  // namespace

HRGN MakeShapeRegion(HBITMAP hBitmap, COLORREF crKey, COLORREF crTolerance) {
  if (hBitmap == nullptr) return nullptr;
  MemoryDC bufferDC(nullptr);
  if (bufferDC.hDC == nullptr) return nullptr;
  BITMAP picture{};
  if (::GetObjectA(hBitmap, sizeof picture, &picture) == 0) return nullptr;

  DibSection buffer(bufferDC.hDC, picture.bmWidth, picture.bmHeight);
  if (buffer.hBitmap == nullptr) return nullptr;
  SelectedBitmap bufferSelected(bufferDC.hDC, buffer.hBitmap);
  MemoryDC pictureDC(bufferDC.hDC);
  if (pictureDC.hDC == nullptr) return nullptr;

  BITMAP bufferInfo{};
  ::GetObjectA(buffer.hBitmap, sizeof bufferInfo, &bufferInfo);
  const std::ptrdiff_t pitch = (bufferInfo.bmWidthBytes + 3) / 4 * 4;
  {
    SelectedBitmap pictureSelected(pictureDC.hDC, hBitmap);
    ::BitBlt(bufferDC.hDC, 0, 0, picture.bmWidth, picture.bmHeight, pictureDC.hDC, 0, 0, SRCCOPY);
  }

  GlobalBlockMemory memory;
  RegionUnion result;
  RectangleBlock block(memory, [&result](const void* pBlock, std::size_t nBytes) {
    return result.Take(pBlock, nBytes);
  });
  // Stored bottom-up: the picture's top row is the last in memory.
  const auto* pBits = static_cast<const std::uint8_t*>(buffer.pBits);
  const PixelRows rows{pBits + (picture.bmHeight - 1) * pitch, -pitch, picture.bmWidth,
                       picture.bmHeight};
  const bool scanned =
      block.Open() && ScanRuns(rows, ChannelBoundsOf(crKey, crTolerance), block) && block.Flush();
  return scanned ? result.Release() : nullptr;
}

#include "ShapeScan.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr std::uint32_t kRectanglesType = 1;  // RDH_RECTANGLES

std::uint8_t Channel(std::uint32_t colour, int shift) {
  return static_cast<std::uint8_t>((colour >> shift) & 0xFF);
}

std::uint8_t CappedSum(std::uint8_t a, std::uint8_t b) {
  return static_cast<std::uint8_t>(std::min(a + b, 255));
}

bool Within(std::uint8_t value, std::uint8_t low, std::uint8_t high) {
  return value >= low && value <= high;
}

}  // namespace

ChannelBounds ChannelBoundsOf(std::uint32_t crKey, std::uint32_t crTolerance) {
  const std::uint8_t red = Channel(crKey, 0);
  const std::uint8_t green = Channel(crKey, 8);
  const std::uint8_t blue = Channel(crKey, 16);
  return {red,   CappedSum(red, Channel(crTolerance, 0)),
          green, CappedSum(green, Channel(crTolerance, 8)),
          blue,  CappedSum(blue, Channel(crTolerance, 16))};
}

bool IsKeyPixel(const std::uint8_t* pPixel, const ChannelBounds& bounds) {
  return Within(pPixel[2], bounds.lowRed, bounds.highRed) &&
         Within(pPixel[1], bounds.lowGreen, bounds.highGreen) &&
         Within(pPixel[0], bounds.lowBlue, bounds.highBlue);
}

RectangleBlock::RectangleBlock(BlockMemory& memory, Sink sink)
    : m_memory(memory), m_sink(std::move(sink)) {}

std::size_t RectangleBlock::BytesFor(std::uint32_t nCapacity) {
  return sizeof(RegionBlockHeader) + sizeof(RunRect) * nCapacity;
}

RegionBlockHeader& RectangleBlock::Header() const {
  return *static_cast<RegionBlockHeader*>(m_pBlock);
}

bool RectangleBlock::Grow() {
  void* pBlock = m_memory.Resize(BytesFor(m_nCapacity + kGrowth));
  if (pBlock == nullptr) return false;
  m_pBlock = pBlock;
  m_nCapacity += kGrowth;
  return true;
}

bool RectangleBlock::Open() {
  if (!Grow()) return false;
  Header() = {sizeof(RegionBlockHeader), kRectanglesType, 0, 0, kEmptyBound};
  return true;
}

bool RectangleBlock::Add(const RunRect& rect) {
  if (Header().nCount >= m_nCapacity && !Grow()) return false;
  RegionBlockHeader& header = Header();
  // Rectangle n sits where a block of n rectangles would end.
  std::memcpy(static_cast<std::uint8_t*>(m_pBlock) + BytesFor(header.nCount), &rect, sizeof rect);
  RunRect& bound = header.rcBound;
  bound.left = std::min(bound.left, rect.left);
  bound.top = std::min(bound.top, rect.top);
  bound.right = std::max(bound.right, rect.right);
  bound.bottom = std::max(bound.bottom, rect.bottom);
  ++header.nCount;
  return header.nCount < kBatchLimit || Flush();
}

bool RectangleBlock::Flush() {
  const bool taken = m_sink(m_pBlock, BytesFor(m_nCapacity));
  Header().nCount = 0;
  Header().rcBound = kEmptyBound;
  return taken;
}

bool ScanRuns(const PixelRows& pixels, const ChannelBounds& bounds, RectangleBlock& block) {
  constexpr int kPixelBytes = 4;
  for (int y = 0; y < pixels.nHeight; ++y) {
    const std::uint8_t* pRow = pixels.pTopRow + y * pixels.nRowStep;
    int x = 0;
    while (x < pixels.nWidth) {
      const int x0 = x;
      while (x < pixels.nWidth && !IsKeyPixel(pRow + x * kPixelBytes, bounds)) ++x;
      if (x > x0 && !block.Add({x0, y, x, y + 1})) return false;
      ++x;  // over the key pixel that ended the run, or past the row's end
    }
  }
  return true;
}

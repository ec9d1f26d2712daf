// The platform-free core of a picture's shape: the runs of non-key pixels of a 32-bit pixel
// buffer, gathered as rectangles in a region block that is handed on in batches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// Signed pixel coordinates, laid out like the platform's RECT.
struct RunRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

// The header of a region block, laid out like the platform's RGNDATAHEADER; the rectangles
// follow it.
struct RegionBlockHeader {
  std::uint32_t dwSize;
  std::uint32_t iType;
  std::uint32_t nCount;
  std::uint32_t nRgnSize;
  RunRect rcBound;
};
static_assert(sizeof(RegionBlockHeader) == 32);
static_assert(sizeof(RunRect) == 16);

// Inclusive bounds of the key colour, per channel.
struct ChannelBounds {
  std::uint8_t lowRed, highRed;
  std::uint8_t lowGreen, highGreen;
  std::uint8_t lowBlue, highBlue;
};

// Key and tolerance are colour values with red in the low byte; the tolerance reaches above
// the key only, up to 255.
ChannelBounds ChannelBoundsOf(std::uint32_t crKey, std::uint32_t crTolerance);

// A pixel stored as the bytes blue, green, red, reserved.
bool IsKeyPixel(const std::uint8_t* pPixel, const ChannelBounds& bounds);

// A picture of 32-bit pixels: row y starts at pTopRow + y * nRowStep (negative for pictures
// stored bottom-up).
struct PixelRows {
  const std::uint8_t* pTopRow;
  std::ptrdiff_t nRowStep;
  int nWidth;
  int nHeight;
};

// Memory for the block: the platform's is movable global memory.
class BlockMemory {
 public:
  virtual ~BlockMemory() = default;
  // Makes the block nBytes long, keeping what it held, and gives its address; null when the
  // memory cannot be had.
  virtual void* Resize(std::size_t nBytes) = 0;
};

// The rectangles of one batch, in a block that grows by 100 rectangles and never shrinks.
// Every 2000th rectangle hands the batch to the sink, which starts the next one.
class RectangleBlock {
 public:
  static constexpr std::uint32_t kGrowth = 100;
  static constexpr std::uint32_t kBatchLimit = 2000;
  static constexpr RunRect kEmptyBound = {0x7FFFFFFF, 0x7FFFFFFF, 0, 0};

  // Gets the block (its header and rectangles, nBytes in all, capacity included); false
  // when the batch cannot be taken.
  using Sink = std::function<bool(const void* pBlock, std::size_t nBytes)>;

  RectangleBlock(BlockMemory& memory, Sink sink);

  // False when the memory cannot be had; the block is then unusable.
  bool Open();
  // Adds one rectangle; false when the block cannot grow or a full batch cannot be taken.
  bool Add(const RunRect& rect);
  // Hands the batch, even an empty one, to the sink and starts a new one.
  bool Flush();

  std::uint32_t Capacity() const { return m_nCapacity; }

 private:
  static std::size_t BytesFor(std::uint32_t nCapacity);
  bool Grow();
  RegionBlockHeader& Header() const;

  BlockMemory& m_memory;
  Sink m_sink;
  void* m_pBlock = nullptr;
  std::uint32_t m_nCapacity = 0;
};

// Adds one rectangle per maximal run of non-key pixels, row by row from the top and left to
// right; false as soon as the block fails.
bool ScanRuns(const PixelRows& pixels, const ChannelBounds& bounds, RectangleBlock& block);

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "ShapeScan.h"

// Found by argument lookup, so beside RunRect.
bool operator==(const RunRect& a, const RunRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const RunRect& r) {
  return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

constexpr std::uint32_t kMagenta = 0x00FF00FF;

// A picture drawn as text: '.' is a magenta pixel, any other character a white one. Stored as
// 32-bit pixels (blue, green, red, reserved), top-down or bottom-up.
class Picture {
 public:
  Picture(const std::vector<std::string>& rows, bool bottomUp = false)
      : m_nWidth(rows.empty() ? 0 : static_cast<int>(rows[0].size())),
        m_nHeight(static_cast<int>(rows.size())),
        m_bottomUp(bottomUp),
        m_bytes(rows.size() * static_cast<std::size_t>(m_nWidth) * 4) {
    for (int y = 0; y < m_nHeight; ++y) {
      for (int x = 0; x < m_nWidth; ++x) {
        const bool key = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.';
        const std::uint8_t pixel[4] = {0xFF, key ? std::uint8_t{0} : std::uint8_t{0xFF}, 0xFF, 0};
        std::memcpy(PixelAt(x, y), pixel, 4);
      }
    }
  }
  // A column of non-key pixels: one run per row.
  static Picture Column(int height) {
    return Picture(std::vector<std::string>(static_cast<std::size_t>(height), "#"));
  }

  PixelRows Rows() const {
    return {PixelAt(0, 0), m_bottomUp ? -Pitch() : Pitch(), m_nWidth, m_nHeight};
  }

 private:
  std::ptrdiff_t Pitch() const { return std::ptrdiff_t{m_nWidth} * 4; }
  std::uint8_t* PixelAt(int x, int y) const {
    const int row = m_bottomUp ? m_nHeight - 1 - y : y;
    return const_cast<std::uint8_t*>(m_bytes.data()) + row * Pitch() + x * 4;
  }

  int m_nWidth;
  int m_nHeight;
  bool m_bottomUp;
  std::vector<std::uint8_t> m_bytes;
};

// Plain heap memory that remembers every size asked for, and refuses past a limit.
class RecordingMemory : public BlockMemory {
 public:
  explicit RecordingMemory(std::size_t nLimit = SIZE_MAX) : m_nLimit(nLimit) {}
  void* Resize(std::size_t nBytes) override {
    if (nBytes > m_nLimit) return nullptr;
    m_sizes.push_back(nBytes);
    m_words.resize(nBytes / sizeof(std::uint32_t));
    return m_words.data();
  }
  std::vector<std::size_t> m_sizes;

 private:
  std::size_t m_nLimit;
  std::vector<std::uint32_t> m_words;
};

// What one flush handed on.
struct Batch {
  RegionBlockHeader header;
  std::vector<RunRect> rects;
  std::size_t nBytes;
};

struct ScanResult {
  bool ok;
  std::vector<Batch> batches;
  std::vector<std::size_t> blockSizes;

  std::vector<RunRect> AllRects() const {
    std::vector<RunRect> all;
    for (const Batch& b : batches) all.insert(all.end(), b.rects.begin(), b.rects.end());
    return all;
  }
};

// The whole operation as the platform runs it: open, scan, a final flush.
ScanResult Scan(const PixelRows& rows, std::uint32_t crKey = kMagenta,
                std::size_t nMemoryLimit = SIZE_MAX, bool sinkTakes = true) {
  RecordingMemory memory(nMemoryLimit);
  ScanResult result{false, {}, {}};
  RectangleBlock block(memory, [&](const void* pBlock, std::size_t nBytes) {
    Batch batch{};
    std::memcpy(&batch.header, pBlock, sizeof batch.header);
    const auto* pRects = static_cast<const std::uint8_t*>(pBlock) + sizeof batch.header;
    for (std::uint32_t i = 0; i < batch.header.nCount; ++i) {
      RunRect rect;
      std::memcpy(&rect, pRects + i * sizeof rect, sizeof rect);
      batch.rects.push_back(rect);
    }
    batch.nBytes = nBytes;
    result.batches.push_back(batch);
    return sinkTakes;
  });
  result.ok = block.Open() && ScanRuns(rows, ChannelBoundsOf(crKey, 0), block) && block.Flush();
  result.blockSizes = memory.m_sizes;
  return result;
}

RunRect BoundOf(const std::vector<RunRect>& rects) {
  RunRect bound = RectangleBlock::kEmptyBound;
  for (const RunRect& r : rects) {
    bound = {std::min(bound.left, r.left), std::min(bound.top, r.top),
             std::max(bound.right, r.right), std::max(bound.bottom, r.bottom)};
  }
  return bound;
}

struct RunCase {
  const char* name;
  std::vector<std::string> rows;
  std::vector<RunRect> want;
};

const RunCase kRuns[] = {
    {"no key pixel: one full-width rectangle per row",
     {"###", "###"},
     {{0, 0, 3, 1}, {0, 1, 3, 2}}},
    {"all key pixels: nothing", {"...", "..."}, {}},
    {"a key row adds nothing", {"##", "..", "#."}, {{0, 0, 2, 1}, {0, 2, 1, 3}}},
    {"a run reaching the right edge ends at the width", {".##"}, {{1, 0, 3, 1}}},
    {"a key pixel at x 0 starts nothing; single pixels are 1 wide",
     {".#.#"},
     {{1, 0, 2, 1}, {3, 0, 4, 1}}},
    {"runs of neighbouring rows are not merged",
     {"#.#", "#.#"},
     {{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}}},
    {"zero width", {"", ""}, {}},
    {"zero height", {}, {}},
};

TEST(ShapeScan, GivesOneRectanglePerRunRowByRowFromTheTop) {
  for (const RunCase& c : kRuns) {
    for (bool bottomUp : {false, true}) {
      const Picture picture(c.rows, bottomUp);
      const ScanResult result = Scan(picture.Rows());
      ASSERT_TRUE(result.ok) << c.name;
      EXPECT_EQ(result.AllRects(), c.want) << c.name << (bottomUp ? ", stored bottom-up" : "");
      // A single final batch, even an empty one, with the bound of what it holds.
      ASSERT_EQ(result.batches.size(), 1u) << c.name;
      EXPECT_EQ(result.batches[0].header.rcBound, BoundOf(c.want)) << c.name;
    }
  }
}

TEST(ShapeScan, WritesThePlatformsRegionHeader) {
  const ScanResult result = Scan(Picture({"#.#"}).Rows());
  const RegionBlockHeader& header = result.batches.at(0).header;
  EXPECT_EQ(header.dwSize, 32u);
  EXPECT_EQ(header.iType, 1u);  // RDH_RECTANGLES
  EXPECT_EQ(header.nCount, 2u);
  EXPECT_EQ(header.nRgnSize, 0u);
}

struct BatchCase {
  int nRuns;
  std::vector<std::uint32_t> wantCounts;
};

TEST(ShapeScan, HandsOnEvery2000thRectangleAndStartsAFreshBatch) {
  const BatchCase cases[] = {
      {1999, {1999}},
      {2000, {2000, 0}},  // flushed at the 2000th; the final flush is empty
      {2001, {2000, 1}},
  };
  for (const BatchCase& c : cases) {
    const ScanResult result = Scan(Picture::Column(c.nRuns).Rows());
    ASSERT_TRUE(result.ok) << c.nRuns;
    std::vector<std::uint32_t> counts;
    for (const Batch& b : result.batches) counts.push_back(b.header.nCount);
    EXPECT_EQ(counts, c.wantCounts) << c.nRuns;
    // Each batch bounds only its own rectangles.
    for (const Batch& b : result.batches) EXPECT_EQ(b.header.rcBound, BoundOf(b.rects)) << c.nRuns;
  }
  const ScanResult twoBatches = Scan(Picture::Column(2001).Rows());
  EXPECT_EQ(twoBatches.batches[1].rects.at(0), (RunRect{0, 2000, 1, 2001}));
}

TEST(ShapeScan, GrowsTheBlockBy100RectanglesAndKeepsItsCapacityAfterAFlush) {
  EXPECT_EQ(Scan(Picture::Column(100).Rows()).blockSizes, (std::vector<std::size_t>{1632}));
  EXPECT_EQ(Scan(Picture::Column(101).Rows()).blockSizes, (std::vector<std::size_t>{1632, 3232}));

  const ScanResult result = Scan(Picture::Column(2001).Rows());
  ASSERT_EQ(result.blockSizes.size(), 20u);
  EXPECT_EQ(result.blockSizes.back(), 32u + 16u * 2000u);
  // The whole block is handed on both times, its capacity unchanged by the first flush.
  ASSERT_EQ(result.batches.size(), 2u);
  EXPECT_EQ(result.batches[0].nBytes, 32u + 16u * 2000u);
  EXPECT_EQ(result.batches[1].nBytes, 32u + 16u * 2000u);
}

TEST(ShapeScan, StopsWhenTheBlockCannotGrowOrABatchIsRefused) {
  const ScanResult noGrowth = Scan(Picture::Column(101).Rows(), kMagenta, 1632);
  EXPECT_FALSE(noGrowth.ok);
  EXPECT_TRUE(noGrowth.batches.empty());

  const ScanResult refused = Scan(Picture::Column(2001).Rows(), kMagenta, SIZE_MAX, false);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.batches.size(), 1u);  // the scan ends at the first refusal
  EXPECT_FALSE(Scan(Picture::Column(1).Rows(), kMagenta, 0).ok);  // no block at all
}

// Pixels in memory order: blue, green, red, reserved.
struct KeyCase {
  std::uint32_t crKey;
  std::uint32_t crTolerance;
  std::uint8_t pixel[4];
  bool wantKey;
  const char* why;
};

const KeyCase kKeys[] = {
    {0x00FF00FF, 0, {0xFF, 0x00, 0xFF, 0x00}, true, "exactly the key"},
    {0x00FF00FF, 0, {0xFE, 0x00, 0xFF, 0x00}, false, "one step off the key"},
    {0x00FF00FF, 0, {0xFF, 0x00, 0xFF, 0x7F}, true, "the reserved byte is not looked at"},
    {0x00FA0AFA, 0x000A0A0A, {255, 20, 255, 0}, true, "upper bound capped at 255"},
    {0x00FA0AFA, 0x000A0A0A, {250, 10, 249, 0}, false, "no tolerance below the key (red 249)"},
    {0x00FA0AFA, 0x000A0A0A, {250, 21, 250, 0}, false, "above the tolerance (green 21)"},
    {0x000000FF, 0, {0x00, 0x00, 0xFF, 0x00}, true, "key red cuts a red pixel"},
    {0x000000FF, 0, {0xFF, 0x00, 0x00, 0x00}, false, "key red keeps a blue pixel"},
    {0x00FF0000, 0, {0xFF, 0x00, 0x00, 0x00}, true, "key blue cuts a blue pixel"},
};

TEST(ShapeScan, ComparesEachChannelWithItsBoundsInTheDibByteOrder) {
  for (const KeyCase& c : kKeys) {
    EXPECT_EQ(IsKeyPixel(c.pixel, ChannelBoundsOf(c.crKey, c.crTolerance)), c.wantKey) << c.why;
  }
}

TEST(ShapeScan, CutsOnlyKeyColouredPixelsOutOfARow) {
  // red, blue, red, blue with a pure red key: the blue pixels stay.
  const std::uint8_t row[16] = {0, 0, 255, 0, 255, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
  const ScanResult result = Scan(PixelRows{row, 16, 4, 1}, 0x000000FF);
  EXPECT_EQ(result.AllRects(), (std::vector<RunRect>{{1, 0, 2, 1}, {3, 0, 4, 1}}));
}

}  // namespace

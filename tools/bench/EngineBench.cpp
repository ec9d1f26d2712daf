#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "ExportFormats.h"
#include "SubnetEnumeration.h"

namespace {

// A class A network cut into /30 subnets: the largest table the calculator shows.
constexpr int32_t kFullCount = 4194304;
constexpr uint32_t kNetwork = 0x0A000000;
constexpr uint32_t kMask = 0xFFFFFFFC;

void BM_GenerateFullTable(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<SubnetRecord> table = GenerateSubnetRecords(kFullCount, kNetwork, kMask);
    benchmark::DoNotOptimize(table.data());
    benchmark::ClobberMemory();
  }
  state.counters["ns_per_row"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * MaxSubnetRows,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GenerateFullTable)->Unit(benchmark::kMicrosecond);

// Appends into memory reserved up front, so the figure is the formatting and the calls.
class MemorySink : public ExportSink {
 public:
  explicit MemorySink(std::size_t capacity) : m_bytes(capacity) {}
  bool Write(const char* bytes, std::size_t count) override {
    if (m_used + count > m_bytes.size()) return false;
    std::memcpy(m_bytes.data() + m_used, bytes, count);
    m_used += count;
    ++m_writes;
    return true;
  }
  void Rewind() {
    m_used = 0;
    m_writes = 0;
  }
  std::size_t Used() const { return m_used; }
  std::size_t Writes() const { return m_writes; }

 private:
  std::vector<char> m_bytes;
  std::size_t m_used = 0;
  std::size_t m_writes = 0;
};

class CountingProgress : public ExportProgress {
 public:
  void BeginRows(int total) override { m_last = total; }
  void RowWritten(int written, int) override { m_last = written; }
  int Last() const { return m_last; }

 private:
  int m_last = 0;
};

void BM_WriteFullTable(benchmark::State& state) {
  const auto format = static_cast<ExportFormat>(state.range(0));
  const std::vector<SubnetRecord> table = GenerateSubnetRecords(kFullCount, kNetwork, kMask);
  MemorySink sink(8u << 20);
  CountingProgress progress;
  for (auto _ : state) {
    sink.Rewind();
    if (!WriteSubnetTable(table, format, sink, progress)) {
      state.SkipWithError("sink full");
      break;
    }
    benchmark::DoNotOptimize(progress.Last());
  }
  if (sink.Writes() != table.size() + 1) state.SkipWithError("not one write per line");
  state.SetLabel(format == ExportFormat::Text ? "text" : "csv");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(sink.Used()));
  state.counters["ns_per_row"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(table.size()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WriteFullTable)
    ->Arg(static_cast<int>(ExportFormat::Text))
    ->Arg(static_cast<int>(ExportFormat::Csv))
    ->Unit(benchmark::kMillisecond);

}  // namespace

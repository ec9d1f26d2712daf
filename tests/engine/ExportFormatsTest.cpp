#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AddressArithmetic.h"
#include "ExportFormats.h"

namespace {

const std::string kTextHeader =
    "Num  \tSubnet         \tSubnet Mask    \tBroadcast      \tFirst Host     \tLast Host       "
    "\r\n";
const std::string kCsvHeader = "Num,Subnet,Subnet Mask,Broadcast,First Host,Last Host\r\n";

std::vector<SubnetRecord> FourSubnets() {
  return GenerateSubnetRecords(4, ParseDottedQuad("192.168.1.64"),
                               ParseDottedQuad("255.255.255.192"));
}

std::vector<SubnetRecord> FullTable() {
  return GenerateSubnetRecords(4194304, ParseDottedQuad("10.0.0.0"),
                               ParseDottedQuad("255.255.255.252"));
}

// Records every write and notification in order; fails the write numbered failOn (1-based).
class Recorder : public ExportSink, public ExportProgress {
 public:
  explicit Recorder(int failOn = 0) : m_failOn(failOn) {}

  bool Write(const char* bytes, std::size_t count) override {
    ++m_writes;
    if (m_writes == m_failOn) {
      events.push_back("failed write");
      return false;
    }
    events.push_back("write " + std::to_string(count));
    bytesWritten.append(bytes, count);
    return true;
  }
  void BeginRows(int total) override { events.push_back("begin " + std::to_string(total)); }
  void RowWritten(int written, int total) override {
    events.push_back("row " + std::to_string(written) + " of " + std::to_string(total));
  }

  std::vector<std::string> events;
  std::string bytesWritten;

 private:
  int m_failOn;
  int m_writes = 0;
};

TEST(ExportHeader, IsTheExactHeaderLine) {
  EXPECT_EQ(ExportHeader(ExportFormat::Text), kTextHeader);
  EXPECT_EQ(ExportHeader(ExportFormat::Text).size(), 88u);
  EXPECT_EQ(ExportHeader(ExportFormat::Csv), kCsvHeader);
  EXPECT_EQ(ExportHeader(ExportFormat::Csv).size(), 55u);
}

struct LineCase {
  ExportFormat format;
  std::size_t row;
  std::string want;
};

const LineCase kLines[] = {
    {ExportFormat::Text, 0,
     "1    \t192.168.1.0    \t255.255.255.192\t192.168.1.63   \t192.168.1.1    \t192.168.1.62   "
     "\r\n"},
    {ExportFormat::Text, 3,
     "4    \t192.168.1.192  \t255.255.255.192\t192.168.1.255  \t192.168.1.193  \t192.168.1.254  "
     "\r\n"},
    {ExportFormat::Csv, 0,
     "1,192.168.1.0,255.255.255.192,192.168.1.63,192.168.1.1,192.168.1.62\r\n"},
    {ExportFormat::Csv, 3,
     "4,192.168.1.192,255.255.255.192,192.168.1.255,192.168.1.193,192.168.1.254\r\n"},
};

TEST(ExportLine, WritesTheCellTextsInColumnOrder) {
  const auto table = FourSubnets();
  for (const auto& c : kLines) {
    EXPECT_EQ(ExportLine(c.format, table[c.row]), c.want) << c.want;
  }
  EXPECT_EQ(kLines[0].want.size(), 87u);
}

TEST(ExportLine, DoesNotPadAFiveDigitNumberNorCutALongerOne) {
  const auto table = FullTable();
  EXPECT_EQ(ExportLine(ExportFormat::Text, table.back()),
            "65535\t10.3.255.248   \t255.255.255.252\t10.3.255.251   \t10.3.255.249   \t"
            "10.3.255.250   \r\n");
  const SubnetRecord widest{0x80000000, ~0u, ~0u, ~0u, ~0u, ~0u};
  EXPECT_EQ(ExportLine(ExportFormat::Text, widest),
            "-2147483648\t255.255.255.255\t255.255.255.255\t255.255.255.255\t255.255.255.255\t"
            "255.255.255.255\r\n");
}

TEST(WriteSubnetTable, WritesHeaderThenOneLinePerRowWithProgressAfterEach) {
  Recorder recorder;
  ASSERT_TRUE(WriteSubnetTable(FourSubnets(), ExportFormat::Text, recorder, recorder));
  const std::vector<std::string> want = {"write 88", "begin 4",    "write 87", "row 1 of 4",
                                         "write 87", "row 2 of 4", "write 87", "row 3 of 4",
                                         "write 87", "row 4 of 4"};
  EXPECT_EQ(recorder.events, want);
  EXPECT_EQ(recorder.bytesWritten.size(), 436u);
  EXPECT_EQ(recorder.bytesWritten.substr(0, 88), kTextHeader);
  EXPECT_EQ(recorder.bytesWritten.substr(88, 87), kLines[0].want);
}

TEST(WriteSubnetTable, WritesTheCsvFileAsHeaderAndRowLines) {
  Recorder recorder;
  ASSERT_TRUE(WriteSubnetTable(FourSubnets(), ExportFormat::Csv, recorder, recorder));
  EXPECT_EQ(recorder.bytesWritten,
            kCsvHeader + kLines[2].want +
                "2,192.168.1.64,255.255.255.192,192.168.1.127,192.168.1.65,192.168.1.126\r\n"
                "3,192.168.1.128,255.255.255.192,192.168.1.191,192.168.1.129,192.168.1.190\r\n" +
                kLines[3].want);
}

TEST(WriteSubnetTable, WritesAFullTextTableOfExactSize) {
  Recorder recorder;
  ASSERT_TRUE(WriteSubnetTable(FullTable(), ExportFormat::Text, recorder, recorder));
  EXPECT_EQ(recorder.bytesWritten.size(), 5701633u);
  EXPECT_EQ(recorder.events.size(), 2u + 2u * 65535u);
  EXPECT_EQ(recorder.events.back(), "row 65535 of 65535");
}

TEST(WriteSubnetTable, WritesTheHeaderAloneForAnEmptyTable) {
  for (ExportFormat format : {ExportFormat::Text, ExportFormat::Csv}) {
    Recorder recorder;
    ASSERT_TRUE(WriteSubnetTable({}, format, recorder, recorder));
    EXPECT_EQ(recorder.bytesWritten, ExportHeader(format));
    EXPECT_EQ(recorder.events.back(), "begin 0");
  }
}

struct FailCase {
  int failOn;
  std::vector<std::string> events;
  std::size_t bytes;
};

TEST(WriteSubnetTable, StopsAtTheFirstFailedWrite) {
  const FailCase cases[] = {
      {1, {"failed write"}, 0},
      {2, {"write 88", "begin 4", "failed write"}, 88},
      {3, {"write 88", "begin 4", "write 87", "row 1 of 4", "failed write"}, 88 + 87},
  };
  for (const auto& c : cases) {
    Recorder recorder(c.failOn);
    EXPECT_FALSE(WriteSubnetTable(FourSubnets(), ExportFormat::Text, recorder, recorder))
        << c.failOn;
    EXPECT_EQ(recorder.events, c.events) << c.failOn;
    EXPECT_EQ(recorder.bytesWritten.size(), c.bytes) << c.failOn;
  }
}

}  // namespace

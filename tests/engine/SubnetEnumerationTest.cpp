#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "AddressArithmetic.h"
#include "SubnetEnumeration.h"

namespace {

uint32_t Addr(const char* dotted) {
  return ParseDottedQuad(dotted);
}

struct RowWant {
  uint32_t number;  // 1-based; also the row looked at
  const char* network;
  const char* broadcast;
  const char* firstHost;
  const char* lastHost;
};

struct EnumerationCase {
  int32_t count;
  const char* network;
  const char* mask;
  std::size_t rows;
  std::vector<RowWant> want;
};

const EnumerationCase kEnumeration[] = {
    {4,
     "192.168.1.64",
     "255.255.255.192",
     4,
     {{1, "192.168.1.0", "192.168.1.63", "192.168.1.1", "192.168.1.62"},
      {4, "192.168.1.192", "192.168.1.255", "192.168.1.193", "192.168.1.254"}}},
    {16,
     "172.16.0.0",
     "255.255.240.0",
     16,
     {{16, "172.16.240.0", "172.16.255.255", "172.16.240.1", "172.16.255.254"}}},
    {2,
     "10.0.0.0",
     "255.128.0.0",
     2,
     {{1, "10.0.0.0", "10.127.255.255", "10.0.0.1", "10.127.255.254"},
      {2, "10.128.0.0", "10.255.255.255", "10.128.0.1", "10.255.255.254"}}},
    {64,
     "192.0.2.0",
     "255.255.255.252",
     64,
     {{64, "192.0.2.252", "192.0.2.255", "192.0.2.253", "192.0.2.254"}}},
    {65536,
     "10.20.30.0",
     "255.255.255.0",
     65535,
     {{1, "10.0.0.0", "10.0.0.255", "10.0.0.1", "10.0.0.254"},
      {65535, "10.255.254.0", "10.255.254.255", "10.255.254.1", "10.255.254.254"}}},
    {4194304,
     "10.0.0.0",
     "255.255.255.252",
     65535,
     {{65535, "10.3.255.248", "10.3.255.251", "10.3.255.249", "10.3.255.250"}}},
    // A count below the number of subnets fills only the rows there are.
    {2, "10.0.0.0", "255.255.255.0", 2, {{2, "10.0.1.0", "10.0.1.255", "10.0.1.1", "10.0.1.254"}}},
};

TEST(GenerateSubnetRecords, ListsTheSubnetsOfTheClassfulNetwork) {
  for (const auto& c : kEnumeration) {
    const std::vector<SubnetRecord> table =
        GenerateSubnetRecords(c.count, Addr(c.network), Addr(c.mask));
    const std::string label = std::to_string(c.count) + " " + c.network + " " + c.mask;
    ASSERT_EQ(table.size(), c.rows) << label;
    for (const auto& w : c.want) {
      const SubnetRecord& r = table.at(w.number - 1);
      EXPECT_EQ(r.nNumber, w.number) << label;
      EXPECT_EQ(r.dwNetwork, Addr(w.network)) << label << " row " << w.number;
      EXPECT_EQ(r.dwBroadcast, Addr(w.broadcast)) << label << " row " << w.number;
      EXPECT_EQ(r.dwMask, Addr(c.mask)) << label << " row " << w.number;
      EXPECT_EQ(r.dwFirstHost, Addr(w.firstHost)) << label << " row " << w.number;
      EXPECT_EQ(r.dwLastHost, Addr(w.lastHost)) << label << " row " << w.number;
    }
  }
}

bool SameRecord(const SubnetRecord& a, const SubnetRecord& b) {
  return a.nNumber == b.nNumber && a.dwNetwork == b.dwNetwork && a.dwBroadcast == b.dwBroadcast &&
         a.dwMask == b.dwMask && a.dwFirstHost == b.dwFirstHost && a.dwLastHost == b.dwLastHost;
}

TEST(GenerateSubnetRecords, GivesTheSameRowsForAnyAddressOfTheClassfulNetwork) {
  const uint32_t mask = Addr("255.255.255.192");
  const auto reference = GenerateSubnetRecords(4, Addr("192.168.1.64"), mask);
  for (const char* network : {"192.168.1.0", "192.168.1.200", "192.168.1.255"}) {
    const auto table = GenerateSubnetRecords(4, Addr(network), mask);
    ASSERT_EQ(table.size(), reference.size()) << network;
    for (std::size_t k = 0; k < table.size(); ++k) {
      EXPECT_TRUE(SameRecord(table[k], reference[k])) << network << " row " << k + 1;
    }
  }
}

TEST(GenerateSubnetRecords, LeavesRowsPastTheLastSubnetZero) {
  struct Case {
    int32_t count;
    const char* mask;
    std::size_t filled;
  };
  // With /31 the walk stops once the next first host reaches the classful broadcast.
  const Case cases[] = {{8, "255.255.255.192", 4}, {200, "255.255.255.254", 127}};
  for (const auto& c : cases) {
    const auto table = GenerateSubnetRecords(c.count, Addr("192.168.1.0"), Addr(c.mask));
    ASSERT_EQ(table.size(), static_cast<std::size_t>(c.count)) << c.mask;
    EXPECT_NE(table[c.filled - 1].nNumber, 0u) << c.mask;
    for (std::size_t k = c.filled; k < table.size(); ++k) {
      ASSERT_TRUE(SameRecord(table[k], SubnetRecord{})) << c.mask << " row " << k + 1;
    }
    EXPECT_EQ(SubnetCellText(table[c.filled], kColumnNumber), "0");
    EXPECT_EQ(SubnetCellText(table[c.filled], kColumnLastHost), "0.0.0.0");
  }
}

TEST(GenerateSubnetRecords, MakesAnEmptyTableForCountZero) {
  EXPECT_TRUE(GenerateSubnetRecords(0, Addr("172.16.0.0"), Addr("255.255.240.0")).empty());
}

TEST(SubnetRowCount, CapsTheCountReadAsUnsigned) {
  const std::pair<int32_t, uint32_t> cases[] = {
      {0, 0},         {1, 1},           {65534, 65534}, {65535, 65535},
      {65536, 65535}, {4194304, 65535}, {-1, 65535},    {INT32_MIN, 65535}};
  for (const auto& [count, want] : cases) EXPECT_EQ(SubnetRowCount(count), want) << count;
}

// Every prefix the calculator offers a table for, checked against plain 64-bit arithmetic:
// row k is subnet k of the classful network, and the table is cut at 65535 rows.
TEST(GenerateSubnetRecords, MatchesAnIndependentComputationForEveryClassAndPrefix) {
  const std::pair<const char*, int> classes[] = {
      {"10.77.1.9", 8}, {"172.16.5.4", 16}, {"200.1.2.3", 24}};
  for (const auto& [address, classful] : classes) {
    const uint64_t classfulSize = uint64_t{1} << (32 - classful);
    const uint64_t classfulNetwork = Addr(address) / classfulSize * classfulSize;
    for (int p = classful + 1; p <= 30; ++p) {
      const uint64_t subnets = uint64_t{1} << (p - classful);
      const uint64_t size = uint64_t{1} << (32 - p);
      const auto mask = static_cast<uint32_t>((uint64_t{0xFFFFFFFF} << (32 - p)) & 0xFFFFFFFF);
      const auto table = GenerateSubnetRecords(static_cast<int32_t>(subnets), Addr(address), mask);
      ASSERT_EQ(table.size(), std::min<uint64_t>(subnets, 65535)) << address << "/" << p;
      for (uint64_t k = 0; k < table.size(); ++k) {
        const uint64_t network = classfulNetwork + k * size;
        const SubnetRecord want{static_cast<uint32_t>(k + 1),
                                static_cast<uint32_t>(network),
                                static_cast<uint32_t>(network + size - 1),
                                mask,
                                static_cast<uint32_t>(network + 1),
                                static_cast<uint32_t>(network + size - 2)};
        ASSERT_TRUE(SameRecord(table[k], want)) << address << "/" << p << " row " << k + 1;
      }
    }
  }
}

TEST(SubnetCellText, ShowsTheColumnsInTableOrder) {
  const auto table = GenerateSubnetRecords(4, Addr("192.168.1.64"), Addr("255.255.255.192"));
  const char* want[] = {"1",           "192.168.1.0", "255.255.255.192", "192.168.1.63",
                        "192.168.1.1", "192.168.1.62"};
  for (int column = 0; column < kColumnCount; ++column) {
    EXPECT_EQ(SubnetCellText(table[0], column), want[column]) << column;
  }
  for (int column : {-1, 6, 1000}) EXPECT_EQ(SubnetCellText(table[0], column), "") << column;
}

TEST(SubnetCellText, PrintsTheNumberAsASignedValue) {
  const std::pair<uint32_t, const char*> cases[] = {{65535, "65535"},
                                                    {2147483647, "2147483647"},
                                                    {0x80000000, "-2147483648"},
                                                    {0xFFFFFFFF, "-1"}};
  for (const auto& [number, want] : cases) {
    EXPECT_EQ(SubnetCellText(SubnetRecord{number, 0, 0, 0, 0, 0}, kColumnNumber), want);
  }
}

}  // namespace

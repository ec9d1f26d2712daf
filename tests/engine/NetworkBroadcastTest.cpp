#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "SubnetCalcEngine.h"

namespace {

constexpr const char* kNoBits = "Illegal. Not enough bits to supernet!";
constexpr const char* kAllOnes = "Illegal. Broadcast is all ones!";

struct LineCase {
  const char* address;
  int prefix;
  const char* networkLine;
  const char* broadcastLine;
  uint32_t network;  // returned by ComputeNetworkLine
  uint32_t broadcast;
  bool supernetting;
};

const LineCase kLines[] = {
    {"192.168.1.10", 24, "192.168.1.0", "192.168.1.255", 0xC0A80100, 0xC0A801FF, false},
    {"172.16.5.4", 16, "172.16.0.0", "172.16.255.255", 0xAC100000, 0xAC10FFFF, false},
    {"172.16.5.4", 20, "172.16.0.0", "172.16.15.255", 0xAC100000, 0xAC100FFF, false},
    {"10.1.2.3", 8, "10.0.0.0", "10.255.255.255", 0x0A000000, 0x0AFFFFFF, false},
    {"200.1.2.3", 22, "200.1.0.0 (supernetting)", "200.1.3.255", 0xC8010000, 0xC80103FF, true},
    {"130.1.2.3", 2, "128.0.0.0 (supernetting)", "191.255.255.255", 0x80000000, 0xBFFFFFFF, true},
    {"200.1.2.3", 3, "192.0.0.0 (supernetting)", "223.255.255.255", 0xC0000000, 0xDFFFFFFF, true},
    {"200.1.2.3", 2, "192.0.0.0 (supernetting)", kAllOnes, 0xC0000000, kIllegalAddress, true},
    {"10.1.2.3", 2, kNoBits, kNoBits, kIllegalAddress, kIllegalAddress, true},
    // A network of 0 without supernetting still has a broadcast.
    {"0.1.2.3", 8, kNoBits, "0.255.255.255", kIllegalAddress, 0x00FFFFFF, false},
};

TEST(ComputeNetworkLine, ShowsNetworkAndBroadcastWithSupernettingAndIllegalCases) {
  for (const auto& c : kLines) {
    CSubnetCalcEngine engine = CalculatorOn(c.address, c.prefix);
    const OctetEntry entry = TypedAddress(c.address);
    const std::string label = std::string(c.address) + "/" + std::to_string(c.prefix);
    EXPECT_EQ(engine.ComputeNetworkLine(entry), c.network) << label;
    EXPECT_EQ(engine.m_bSupernetting, c.supernetting) << label;
    EXPECT_EQ(engine.ComputeBroadcastLine(entry), c.broadcast) << label;
    EXPECT_EQ(engine.m_strNetworkLine, c.networkLine) << label;
    EXPECT_EQ(engine.m_strBroadcastLine, c.broadcastLine) << label;
  }
}

TEST(ComputeNetworkLine, ReadsEachFieldAsTypedBeforeJoiningThem) {
  // "010" is ten, not octal eight, and a leading zero in a field changes nothing.
  const CSubnetCalcEngine engine = CalculatorOn("010.001.005.004", 16);
  EXPECT_EQ(engine.m_strNetworkLine, "10.1.0.0");
  EXPECT_EQ(engine.m_strBroadcastLine, "10.1.255.255");
}

// With no selected row there is no mask to read: both lines go back to "0.0.0.0".
struct NoMaskCase {
  const char* name;
  void (*arrange)(CSubnetCalcEngine&);
};

const NoMaskCase kNoMask[] = {
    {"no class stored", [](CSubnetCalcEngine& e) { e.ClearParameterLists(); }},
    {"first octet out of range",
     [](CSubnetCalcEngine& e) { e.UpdateAddressClass(TypedAddress("0.1.2.3", false, false)); }},
    {"row past the end",
     [](CSubnetCalcEngine& e) { e.SelectParameterRow(ParameterList::Prefix, 29); }},
    {"no row selected",
     [](CSubnetCalcEngine& e) { e.SelectParameterRow(ParameterList::Prefix, -1); }},
};

TEST(ComputeNetworkLine, ShowsNoResultWhenTheListsHaveNoSelectedRow) {
  for (const auto& c : kNoMask) {
    // Start from lines and flags that a real result left behind.
    CSubnetCalcEngine engine = CalculatorOn("200.1.2.3", 22);
    ASSERT_TRUE(engine.m_bSupernetting);
    ASSERT_TRUE(engine.m_bNetworkLegal);
    c.arrange(engine);
    const OctetEntry entry = TypedAddress("200.1.2.3");
    engine.SyncParameterLists(ParameterList::Prefix, entry);
    EXPECT_EQ(engine.m_strNetworkLine, "0.0.0.0") << c.name;
    EXPECT_EQ(engine.m_strBroadcastLine, "0.0.0.0") << c.name;
    EXPECT_EQ(engine.ComputeNetworkLine(entry), kIllegalAddress) << c.name;
    EXPECT_EQ(engine.ComputeBroadcastLine(entry), kIllegalAddress) << c.name;
    EXPECT_FALSE(engine.m_bSupernetting) << c.name;
    EXPECT_FALSE(engine.m_bNetworkLegal) << c.name;
  }
}

}  // namespace

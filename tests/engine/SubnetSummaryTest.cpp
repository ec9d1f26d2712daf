#include <gtest/gtest.h>

#include <utility>

#include "EngineTestSupport.h"
#include "SubnetSummary.h"

namespace {

std::string Summary(const char* network, const char* mask, const char* broadcast, const char* hosts,
                    const char* firstHost, const char* lastHost) {
  return std::string("Subnet Addr:\t") + network + "\r\nSubnet Mask:\t" + mask +
         "\r\nBroadcast:\t" + broadcast + "\r\nNumber of hosts:\t" + hosts +
         "\r\nFirst host address:\t" + firstHost + "\r\nLast host address:\t" + lastHost;
}

struct SummaryCase {
  const char* address;
  int prefix;
  std::string want;
};

const SummaryCase kSummaries[] = {
    {"192.168.1.10", 24,
     Summary("192.168.1.0", "255.255.255.0", "192.168.1.255", "254", "192.168.1.1",
             "192.168.1.254")},
    {"172.16.5.4", 16,
     Summary("172.16.0.0", "255.255.0.0", "172.16.255.255", "65534", "172.16.0.1",
             "172.16.255.254")},
    {"10.1.2.3", 8,
     Summary("10.0.0.0", "255.0.0.0", "10.255.255.255", "16777214", "10.0.0.1", "10.255.255.254")},
    {"200.1.2.3", 22,
     Summary("200.1.0.0", "255.255.252.0", "200.1.3.255", "1022", "200.1.0.1", "200.1.3.254")},
    {"200.1.2.3", 3,
     Summary("192.0.0.0", "224.0.0.0", "223.255.255.255", "536870910", "192.0.0.1",
             "223.255.255.254")},
    {"200.1.2.3", 2, Summary("192.0.0.0", "192.0.0.0", "Illegal", "Illegal", "Illegal", "Illegal")},
    {"10.1.2.3", 2, Summary("Illegal", "192.0.0.0", "Illegal", "Illegal", "Illegal", "Illegal")},
};

// The values come from the calculator as the Display subnets command gathers them.
TEST(ComposeSubnetSummary, SummarisesTheCalculatorsNetwork) {
  for (const auto& c : kSummaries) {
    CSubnetCalcEngine engine = CalculatorOn(c.address, c.prefix);
    const OctetEntry entry = TypedAddress(c.address);
    const uint32_t mask = ParseDottedQuad(SelectedText(engine, ParameterList::Mask));
    const uint32_t network = engine.ComputeNetworkLine(entry);
    const uint32_t broadcast = engine.ComputeBroadcastLine(entry);
    const int32_t hosts = ParseDecimalToken(SelectedText(engine, ParameterList::Hosts));
    EXPECT_EQ(ComposeSubnetSummary(network, mask, broadcast, hosts), c.want)
        << c.address << "/" << c.prefix;
  }
}

TEST(ComposeSubnetSummary, AnIllegalNetworkAloneMakesTheHostLinesIllegal) {
  EXPECT_EQ(ComposeSubnetSummary(kIllegalAddress, ParseDottedQuad("255.0.0.0"),
                                 ParseDottedQuad("0.255.255.255"), 5),
            Summary("Illegal", "255.0.0.0", "0.255.255.255", "Illegal", "Illegal", "Illegal"));
}

TEST(ComposeSubnetSummary, NeverShowsALastHostAboveClassC) {
  const std::pair<const char*, const char*> cases[] = {
      {"224.0.0.255", "223.255.255.254"},
      {"223.255.255.255", "223.255.255.254"},
      {"223.255.255.254", "223.255.255.253"},
      {"0.0.0.0", "223.255.255.254"},  // broadcast - 1 wraps to all ones
  };
  for (const auto& [broadcast, lastHost] : cases) {
    EXPECT_EQ(ComposeSubnetSummary(ParseDottedQuad("192.0.0.0"), ParseDottedQuad("224.0.0.0"),
                                   ParseDottedQuad(broadcast), -1),
              Summary("192.0.0.0", "224.0.0.0", broadcast, "-1", "192.0.0.1", lastHost))
        << broadcast;
  }
}

}  // namespace

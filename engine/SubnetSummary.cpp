#include "SubnetSummary.h"

#include "AddressArithmetic.h"

namespace {

// No host of a summary lies above the last class C address.
constexpr uint32_t kHighestHost = 0xDFFFFFFE;

std::string AddressOrIllegal(uint32_t value) {
  return value == kIllegalAddress ? "Illegal" : FormatDottedQuad(value);
}

}  // namespace

std::string ComposeSubnetSummary(uint32_t network, uint32_t mask, uint32_t broadcast,
                                 int32_t hosts) {
  const bool legal = network != kIllegalAddress && broadcast != kIllegalAddress;
  const uint32_t lastHost = broadcast - 1u > kHighestHost ? kHighestHost : broadcast - 1u;
  std::string text;
  text += "Subnet Addr:\t" + AddressOrIllegal(network) + "\r\n";
  text += "Subnet Mask:\t" + FormatDottedQuad(mask) + "\r\n";
  text += "Broadcast:\t" + AddressOrIllegal(broadcast) + "\r\n";
  text += "Number of hosts:\t" + (legal ? std::to_string(hosts) : "Illegal") + "\r\n";
  text += "First host address:\t" + (legal ? FormatDottedQuad(network + 1u) : "Illegal") + "\r\n";
  text += "Last host address:\t" + (legal ? FormatDottedQuad(lastHost) : "Illegal");
  return text;
}

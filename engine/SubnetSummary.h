#pragma once

#include <cstdint>
#include <string>

// Six "label:\tvalue" lines joined by CR LF describing one network; kIllegalAddress
// as network or broadcast shows as "Illegal".
std::string ComposeSubnetSummary(uint32_t network, uint32_t mask, uint32_t broadcast,
                                 int32_t hosts);

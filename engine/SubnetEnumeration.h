#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One row of the subnet table; a row of zeros was sized but never filled.
struct SubnetRecord {
  uint32_t nNumber;
  uint32_t dwNetwork;
  uint32_t dwBroadcast;
  uint32_t dwMask;
  uint32_t dwFirstHost;
  uint32_t dwLastHost;
};

// Column order shared by the table window and both export formats.
enum SubnetColumn {
  kColumnNumber = 0,
  kColumnNetwork = 1,
  kColumnMask = 2,
  kColumnBroadcast = 3,
  kColumnFirstHost = 4,
  kColumnLastHost = 5,
  kColumnCount = 6
};

constexpr uint32_t MaxSubnetRows = 65535;

// The longest cell text: an address, or a number printed as a signed 32-bit value.
constexpr std::size_t kMaxCellText = 15;

// The count read as unsigned, capped at MaxSubnetRows (so a negative count gives the cap).
uint32_t SubnetRowCount(int32_t count);

// Every subnet of the classful network holding `network`, ascending, at most
// SubnetRowCount(count) rows; rows past the last subnet stay zero.
std::vector<SubnetRecord> GenerateSubnetRecords(int32_t count, uint32_t network, uint32_t mask);

// Text of one cell; an unknown column gives the empty text.
std::string SubnetCellText(const SubnetRecord& record, int column);

// The same text written to out (room for kMaxCellText chars, no NUL); returns its length.
std::size_t SubnetCellTextTo(char* out, const SubnetRecord& record, int column);

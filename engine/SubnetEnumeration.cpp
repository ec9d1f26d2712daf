#include "SubnetEnumeration.h"

#include "AddressArithmetic.h"

namespace {

// Classful mask by the top octet alone; 224 and above take the class C mask here.
uint32_t ClassfulMaskOfNetwork(uint32_t network) {
  const uint32_t top = network >> 24;
  if (top < 128) return 0xFF000000u;
  if (top < 192) return 0xFFFF0000u;
  return 0xFFFFFF00u;
}

// Row numbers print as signed 32-bit values, so every build shows an unfilled or foreign row
// the same way.
std::size_t FormatRowNumberTo(char* out, uint32_t number) {
  const bool negative = number > 0x7FFFFFFFu;
  uint32_t magnitude = negative ? 0u - number : number;
  char digits[10];
  std::size_t n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10u);
    magnitude /= 10u;
  } while (magnitude != 0);
  char* p = out;
  if (negative) *p++ = '-';
  while (n > 0) *p++ = digits[--n];
  return static_cast<std::size_t>(p - out);
}

}  // namespace

uint32_t SubnetRowCount(int32_t count) {
  const uint32_t n = static_cast<uint32_t>(count);
  return n > MaxSubnetRows ? MaxSubnetRows : n;
}

std::vector<SubnetRecord> GenerateSubnetRecords(int32_t count, uint32_t network, uint32_t mask) {
  std::vector<SubnetRecord> table(SubnetRowCount(count), SubnetRecord{});
  const uint32_t classfulMask = ClassfulMaskOfNetwork(network);
  const uint32_t classfulBroadcast = (network & classfulMask) | ~classfulMask;
  uint32_t first = (network & classfulMask) + 1u;
  // The size bound also ends the walk where the address arithmetic wraps past the top.
  for (std::size_t k = 0; k < table.size(); ++k) {
    SubnetRecord& row = table[k];
    row.nNumber = static_cast<uint32_t>(k + 1);
    row.dwNetwork = first & mask;
    row.dwBroadcast = row.dwNetwork | ~mask;
    row.dwMask = mask;
    row.dwFirstHost = first;
    row.dwLastHost = row.dwBroadcast - 1u;
    first = row.dwBroadcast + 2u;
    if (first >= classfulBroadcast) break;
  }
  return table;
}

std::size_t SubnetCellTextTo(char* out, const SubnetRecord& record, int column) {
  switch (column) {
    case kColumnNumber:
      return FormatRowNumberTo(out, record.nNumber);
    case kColumnNetwork:
      return FormatDottedQuadTo(out, record.dwNetwork);
    case kColumnMask:
      return FormatDottedQuadTo(out, record.dwMask);
    case kColumnBroadcast:
      return FormatDottedQuadTo(out, record.dwBroadcast);
    case kColumnFirstHost:
      return FormatDottedQuadTo(out, record.dwFirstHost);
    case kColumnLastHost:
      return FormatDottedQuadTo(out, record.dwLastHost);
    default:
      return 0;
  }
}

std::string SubnetCellText(const SubnetRecord& record, int column) {
  char text[kMaxCellText];
  return std::string(text, SubnetCellTextTo(text, record, column));
}

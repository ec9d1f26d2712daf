#include "AddressArithmetic.h"

#include <array>

namespace {

// Decimal text of every octet, so formatting an address is four table copies.
struct OctetText {
  char text[3];
  uint8_t length;
};

constexpr std::array<OctetText, 256> MakeOctetTexts() {
  std::array<OctetText, 256> table{};
  for (unsigned v = 0; v < 256; ++v) {
    OctetText& t = table[v];
    uint8_t n = 0;
    if (v >= 100) t.text[n++] = static_cast<char>('0' + v / 100);
    if (v >= 10) t.text[n++] = static_cast<char>('0' + v / 10 % 10);
    t.text[n++] = static_cast<char>('0' + v % 10);
    t.length = n;
  }
  return table;
}

constexpr std::array<OctetText, 256> kOctetTexts = MakeOctetTexts();

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

AddressClass ClassOfFirstOctet(int32_t v) {
  if (v < 128) return AddressClass::A;
  if (v < 192) return AddressClass::B;
  if (v <= 223) return AddressClass::C;
  return AddressClass::None;
}

int ClassfulPrefix(AddressClass c) {
  switch (c) {
    case AddressClass::A:
      return 8;
    case AddressClass::B:
      return 16;
    case AddressClass::C:
      return 24;
    case AddressClass::None:
      break;
  }
  return 0;
}

int32_t ParseDecimalToken(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Unsigned arithmetic wraps where a signed overflow would be undefined.
  uint32_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10u + static_cast<uint32_t>(text[i] - '0');
  }
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

uint32_t ParseDottedQuad(std::string_view text) {
  uint32_t value = 0;
  int tokens = 0;
  std::size_t pos = 0;
  while (tokens < 4 && pos < text.size()) {
    if (text[pos] == '.') {
      ++pos;
      continue;
    }
    std::size_t end = text.find('.', pos);
    if (end == std::string_view::npos) end = text.size();
    value = value * 256u + static_cast<uint32_t>(ParseDecimalToken(text.substr(pos, end - pos)));
    ++tokens;
    pos = end;
  }
  for (; tokens < 4; ++tokens) value *= 256u;
  return value;
}

std::size_t FormatDottedQuadTo(char* out, uint32_t value) {
  char* p = out;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const OctetText& t = kOctetTexts[(value >> shift) & 255u];
    for (uint8_t k = 0; k < t.length; ++k) *p++ = t.text[k];
    if (shift != 0) *p++ = '.';
  }
  return static_cast<std::size_t>(p - out);
}

std::string FormatDottedQuad(uint32_t value) {
  char text[kMaxDottedQuad];
  return std::string(text, FormatDottedQuadTo(text, value));
}

uint32_t MaskOfPrefix(int p) {
  if (p <= 0) return 0;
  if (p >= 32) return ~0u;
  return ~0u << (32 - p);
}

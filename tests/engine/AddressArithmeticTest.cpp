#include <gtest/gtest.h>

#include <utility>

#include "AddressArithmetic.h"

namespace {

struct ParseCase {
  const char* text;
  uint32_t want;
};

const ParseCase kParse[] = {
    {"192.168.1.10", 0xC0A8010A},
    {"010.001.000.009", 0x0A010009},   // leading zeros are not octal
    {"1.256.0.0", 0x02000000},         // a token above 255 carries
    {"1.2.-1.0", 0x0101FF00},          // a negative token borrows
    {"255.255.255.256", 0x00000000},   // the carry leaves the top and wraps
    {"1.2.3.4.5", 0x01020304},         // tokens past the fourth are ignored
    {"10..1.2.3", 0x0A010203},         // a run of dots is one separator
    {".10.1.2.3.", 0x0A010203},        // outer dots make no token
    {"+1.-0.+2.3", 0x01000203},        // one sign per token
    {" 1.\t2. 3.\n4", 0x01020304},     // leading white space
    {"1.2.3.4a", 0x01020304},          // trailing characters are ignored
    {"1a.b2.--3.+-4", 0x01000000},     // no digits right after the sign reads 0
    {"0.0.0.4294967297", 0x00000001},  // a long token wraps modulo 2^32
    {"10.1", 0x0A010000},              // missing trailing tokens count as 0
    {"7", 0x07000000},
    {"", 0x00000000},
    {"...", 0x00000000},
};

TEST(ParseDottedQuad, ReadsTokensAsTheCalculatorTypesThem) {
  for (const auto& c : kParse) EXPECT_EQ(ParseDottedQuad(c.text), c.want) << c.text;
}

TEST(ParseDottedQuad, StopsAtTheEndOfTheViewNotOfTheBuffer) {
  const std::string_view text = std::string_view("10.1.2.3").substr(0, 4);
  EXPECT_EQ(ParseDottedQuad(text), 0x0A010000u);
  EXPECT_EQ(ParseDottedQuad(std::string_view("12.34").substr(0, 1)), 0x01000000u);
}

struct TokenCase {
  const char* text;
  int32_t want;
};

const TokenCase kTokens[] = {
    {"42", 42},
    {" \t\n\v\f\r42", 42},
    {"+42", 42},
    {"-42", -42},
    {"0042", 42},
    {"42abc", 42},
    {"4 2", 4},
    {"", 0},
    {"abc", 0},
    {"-", 0},
    {"+-4", 0},
    {"- 4", 0},
    {"2147483647", 2147483647},
    {"2147483648", INT32_MIN},
    {"4294967295", -1},
    {"-4294967295", 1},
    {"99999999999", static_cast<int32_t>(99999999999ULL % (1ULL << 32))},
};

TEST(ParseDecimalToken, SkipsSpaceTakesOneSignAndWrapsLongNumbers) {
  for (const auto& c : kTokens) EXPECT_EQ(ParseDecimalToken(c.text), c.want) << c.text;
}

struct FormatCase {
  uint32_t value;
  const char* want;
};

const FormatCase kFormat[] = {
    {0xC0A8010A, "192.168.1.10"}, {0xDFFFFFFE, "223.255.255.254"}, {0xFFFFFFFF, "255.255.255.255"},
    {0x80000000, "128.0.0.0"},    {0x00000000, "0.0.0.0"},         {0x0A00FF09, "10.0.255.9"},
    {0x64096301, "100.9.99.1"},
};

TEST(FormatDottedQuad, PrintsEveryByteUnsignedWithoutPadding) {
  for (const auto& c : kFormat) EXPECT_EQ(FormatDottedQuad(c.value), c.want) << c.want;
}

TEST(FormatDottedQuad, ParsesBackToTheSameValue) {
  for (uint64_t v = 0; v <= 0xFFFFFFFFu; v += 0x00010101u * 3 + 7) {
    const auto value = static_cast<uint32_t>(v);
    const std::string text = FormatDottedQuad(value);
    ASSERT_LE(text.size(), kMaxDottedQuad);
    ASSERT_EQ(ParseDottedQuad(text), value) << text;
  }
}

struct ClassCase {
  int32_t firstOctet;
  AddressClass want;
};

const ClassCase kClasses[] = {
    {INT32_MIN, AddressClass::A}, {-1, AddressClass::A},           {0, AddressClass::A},
    {127, AddressClass::A},       {128, AddressClass::B},          {191, AddressClass::B},
    {192, AddressClass::C},       {223, AddressClass::C},          {224, AddressClass::None},
    {999, AddressClass::None},    {INT32_MAX, AddressClass::None},
};

TEST(ClassOfFirstOctet, FollowsTheClassBoundaries) {
  for (const auto& c : kClasses) EXPECT_EQ(ClassOfFirstOctet(c.firstOctet), c.want) << c.firstOctet;
}

TEST(ClassfulPrefix, IsEightSixteenOrTwentyFour) {
  EXPECT_EQ(ClassfulPrefix(AddressClass::A), 8);
  EXPECT_EQ(ClassfulPrefix(AddressClass::B), 16);
  EXPECT_EQ(ClassfulPrefix(AddressClass::C), 24);
  EXPECT_EQ(ClassfulPrefix(AddressClass::None), 0);
}

TEST(MaskOfPrefix, SetsTheTopBits) {
  const std::pair<int, uint32_t> cases[] = {{0, 0x00000000}, {1, 0x80000000},  {2, 0xC0000000},
                                            {8, 0xFF000000}, {20, 0xFFFFF000}, {30, 0xFFFFFFFC},
                                            {32, 0xFFFFFFFF}};
  for (const auto& [p, want] : cases) EXPECT_EQ(MaskOfPrefix(p), want) << p;
}

}  // namespace

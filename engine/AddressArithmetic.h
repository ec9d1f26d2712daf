#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

enum class AddressClass { None = 0, A = 1, B = 2, C = 3 };

// Returned in place of an address that the calculator calls illegal.
constexpr uint32_t kIllegalAddress = 0xFFFFFFFF;

// The longest dotted-decimal text, "255.255.255.255".
constexpr std::size_t kMaxDottedQuad = 15;

// Class of an address by its first octet; above 223 there is none.
AddressClass ClassOfFirstOctet(int32_t v);

// 8, 16 or 24 for A, B, C; 0 for None, which has no classful network.
int ClassfulPrefix(AddressClass c);

// Leading white space, one optional sign, then digits up to the first non-digit.
// No digits reads as 0; a long number wraps modulo 2^32.
int32_t ParseDecimalToken(std::string_view text);

// Dotted text as the calculator types it: empty tokens are skipped, tokens past the
// fourth ignored, missing ones count as 0, and out-of-range tokens carry or borrow.
uint32_t ParseDottedQuad(std::string_view text);

// "a.b.c.d" with each byte unsigned, most significant first.
std::string FormatDottedQuad(uint32_t value);

// The same text written to out (room for kMaxDottedQuad chars, no NUL); returns its length.
std::size_t FormatDottedQuadTo(char* out, uint32_t value);

// Prefix length p -> mask with the top p bits set (p clamped to 0..32).
uint32_t MaskOfPrefix(int p);

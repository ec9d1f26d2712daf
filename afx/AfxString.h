// Single-byte text of the class library: a std::string with the few extras windows code uses.
#pragma once

#include <string>

class CString : public std::string {
 public:
  using std::string::string;
  CString() = default;
  CString(const std::string& s) : std::string(s) {}  // NOLINT: implicit by design

  // printf-style formatting into this string.
  void Format(const char* format, ...);

  int GetLength() const { return static_cast<int>(size()); }
  bool IsEmpty() const { return empty(); }
  operator const char*() const { return c_str(); }  // NOLINT: implicit by design
};

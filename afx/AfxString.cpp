#include "AfxString.h"

#include <cstdarg>
#include <cstdio>

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length < 0) {
    clear();
  } else {
    resize(static_cast<size_t>(length));
    std::vsnprintf(data(), static_cast<size_t>(length) + 1, format, args);
  }
  va_end(args);
}

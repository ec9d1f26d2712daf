#include "ExportChoice.h"

namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsTxt(std::string_view extension) {
  constexpr std::string_view kTxt = "txt";
  if (extension.size() != kTxt.size()) return false;
  for (std::size_t i = 0; i < kTxt.size(); ++i) {
    if (AsciiLower(extension[i]) != kTxt[i]) return false;
  }
  return true;
}

}  // namespace

ExportChoice ChooseExportFormat(std::string_view path, std::string_view extension,
                                int fileTypeIndex) {
  if (!extension.empty()) {
    return {std::string(path), IsTxt(extension) ? ExportFormat::Text : ExportFormat::Csv};
  }
  // The file types are 1: text and 2: CSV; 0 means none was reported.
  if (fileTypeIndex == 0 || fileTypeIndex == 1) {
    return {std::string(path) + ".txt", ExportFormat::Text};
  }
  return {std::string(path) + ".csv", ExportFormat::Csv};
}

#pragma once

#include <string>
#include <string_view>

#include "ExportFormats.h"

struct ExportChoice {
  std::string path;
  ExportFormat format;
};

// The typed extension decides ("txt" in any case: text, anything else: CSV); without
// one the chosen file type (0 or 1: text) decides and its extension is appended.
ExportChoice ChooseExportFormat(std::string_view path, std::string_view extension,
                                int fileTypeIndex);

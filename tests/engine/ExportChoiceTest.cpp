#include <gtest/gtest.h>

#include "ExportChoice.h"

namespace {

struct ChoiceCase {
  const char* path;
  const char* extension;
  int fileType;
  const char* wantPath;
  ExportFormat wantFormat;
};

const ChoiceCase kChoices[] = {
    {"C:\\out\\subnets", "", 1, "C:\\out\\subnets.txt", ExportFormat::Text},
    {"C:\\out\\subnets", "", 0, "C:\\out\\subnets.txt", ExportFormat::Text},
    {"C:\\out\\subnets", "", 2, "C:\\out\\subnets.csv", ExportFormat::Csv},
    {"C:\\out\\subnets", "", 3, "C:\\out\\subnets.csv", ExportFormat::Csv},
    {"C:\\out\\subnets.TxT", "TxT", 2, "C:\\out\\subnets.TxT", ExportFormat::Text},
    {"C:\\out\\subnets.txt", "txt", 2, "C:\\out\\subnets.txt", ExportFormat::Text},
    {"C:\\out\\subnets.TXT", "TXT", 1, "C:\\out\\subnets.TXT", ExportFormat::Text},
    {"C:\\out\\subnets.dat", "dat", 1, "C:\\out\\subnets.dat", ExportFormat::Csv},
    {"C:\\out\\subnets.text", "text", 1, "C:\\out\\subnets.text", ExportFormat::Csv},
    {"C:\\out\\subnets.tx", "tx", 1, "C:\\out\\subnets.tx", ExportFormat::Csv},
    {"C:\\out\\subnets.csv", "csv", 1, "C:\\out\\subnets.csv", ExportFormat::Csv},
    {"C:\\out\\subnets.", "", 1, "C:\\out\\subnets..txt", ExportFormat::Text},
};

TEST(ChooseExportFormat, TheTypedExtensionWinsOverTheFileType) {
  for (const auto& c : kChoices) {
    const ExportChoice choice = ChooseExportFormat(c.path, c.extension, c.fileType);
    EXPECT_EQ(choice.path, c.wantPath) << c.path << " type " << c.fileType;
    EXPECT_EQ(choice.format, c.wantFormat) << c.path << " type " << c.fileType;
  }
}

}  // namespace

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "SubnetEnumeration.h"

enum class ExportFormat { Text = 1, Csv = 2 };

// Room for the longest line of either format, CR LF included.
using ExportLineBuffer = std::array<char, 128>;

// Header line of the format, CR LF included.
std::string ExportHeader(ExportFormat format);

// Line of one row, CR LF included.
std::string ExportLine(ExportFormat format, const SubnetRecord& record);

// The same line written into a caller's buffer (no NUL); returns its length.
std::size_t FormatExportLine(ExportFormat format, const SubnetRecord& record,
                             ExportLineBuffer& out);

// Where the bytes go; Write returns false when the write failed.
class ExportSink {
 public:
  virtual ~ExportSink() = default;
  virtual bool Write(const char* bytes, std::size_t count) = 0;
};

// Told after the header (BeginRows) and after every row line (RowWritten, 1..total).
class ExportProgress {
 public:
  virtual ~ExportProgress() = default;
  virtual void BeginRows(int total) = 0;
  virtual void RowWritten(int written, int total) = 0;
};

// Header, then one write per row with a notification after each. Returns false at
// once, with no further write or notification, when a write fails.
bool WriteSubnetTable(const std::vector<SubnetRecord>& table, ExportFormat format, ExportSink& sink,
                      ExportProgress& progress);

#include "ExportFormats.h"

#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kTextHeader =
    "Num  \tSubnet         \tSubnet Mask    \tBroadcast      \tFirst Host     \tLast Host       "
    "\r\n";
constexpr std::string_view kCsvHeader = "Num,Subnet,Subnet Mask,Broadcast,First Host,Last Host\r\n";

// Text format: each field left-aligned and padded with spaces, never cut.
constexpr std::size_t kTextWidths[kColumnCount] = {5, 15, 15, 15, 15, 15};

std::string_view HeaderOf(ExportFormat format) {
  return format == ExportFormat::Text ? kTextHeader : kCsvHeader;
}

}  // namespace

std::string ExportHeader(ExportFormat format) {
  return std::string(HeaderOf(format));
}

std::size_t FormatExportLine(ExportFormat format, const SubnetRecord& record,
                             ExportLineBuffer& out) {
  const bool text = format == ExportFormat::Text;
  char* p = out.data();
  for (int column = 0; column < kColumnCount; ++column) {
    if (column != 0) *p++ = text ? '\t' : ',';
    const std::size_t length = SubnetCellTextTo(p, record, column);
    const std::size_t width = text ? kTextWidths[column] : 0;
    if (length < width) {
      std::memset(p + length, ' ', width - length);
      p += width;
    } else {
      p += length;
    }
  }
  *p++ = '\r';
  *p++ = '\n';
  return static_cast<std::size_t>(p - out.data());
}

std::string ExportLine(ExportFormat format, const SubnetRecord& record) {
  ExportLineBuffer line;
  return std::string(line.data(), FormatExportLine(format, record, line));
}

bool WriteSubnetTable(const std::vector<SubnetRecord>& table, ExportFormat format, ExportSink& sink,
                      ExportProgress& progress) {
  const std::string_view header = HeaderOf(format);
  if (!sink.Write(header.data(), header.size())) return false;
  const int total = static_cast<int>(table.size());
  progress.BeginRows(total);
  ExportLineBuffer line;
  for (int i = 0; i < total; ++i) {
    const std::size_t length = FormatExportLine(format, table[static_cast<std::size_t>(i)], line);
    if (!sink.Write(line.data(), length)) return false;
    progress.RowWritten(i + 1, total);
  }
  return true;
}

// Writing the subnet table into a file while a progress window counts the rows.
#pragma once

#include <vector>

#include "Afx.h"
#include "ExportFormats.h"

// An export file: the lines go in one write each, and Finish completes and closes it.
class ExportFile : public ExportSink {
 public:
  // False when the file could not be completed or closed; it is closed all the same.
  virtual bool Finish() = 0;
};

// An open CFile as an export file.
class CExportFile : public ExportFile {
 public:
  explicit CExportFile(CFile& file) : m_file(file) {}
  bool Write(const char* bytes, std::size_t count) override;
  bool Finish() override;

 private:
  CFile& m_file;
};

// Writes the rows into file and finishes it; from the header on, a progress window owned by
// pOwner counts the rows, and it is gone when this returns. True when every line reached the
// file and it was completed and closed.
bool WriteTableFile(const std::vector<SubnetRecord>& records, ExportFormat format, ExportFile& file,
                    CWnd* pOwner);

// Where the time of saving a full table goes: the same 65535 rows written to a real file with
// no progress window, counted by the progress window with no file, and both as the save does.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "Afx.h"
#include "AddressArithmetic.h"
#include "TableFile.h"

namespace {

using Clock = std::chrono::steady_clock;

class NoProgress : public ExportProgress {
 public:
  void BeginRows(int) override {}
  void RowWritten(int, int) override {}
};

class NoFile : public ExportFile {
 public:
  bool Write(const char*, std::size_t) override { return true; }
  bool Finish() override { return true; }
};

template <class Run>
void Report(const char* what, Run run) {
  const auto start = Clock::now();
  run();
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  std::printf("%-44s %9.1f ms\n", what, ms);
}

class BenchApp : public CWinApp {};
BenchApp theApp;

}  // namespace

int main() {
  theApp.SetUp(::GetModuleHandleA(nullptr));
  const auto records = GenerateSubnetRecords(4194304, ParseDottedQuad("10.0.0.0"),
                                             ParseDottedQuad("255.255.255.252"));
  char path[MAX_PATH];
  ::GetTempPathA(MAX_PATH, path);
  std::strcat(path, "velkaro-savecost.txt");
  for (ExportFormat format : {ExportFormat::Text, ExportFormat::Csv}) {
    const char* name = format == ExportFormat::Text ? "text" : "csv";
    std::printf("%s, 65535 rows:\n", name);
    Report("  file writes only, no progress window", [&] {
      CFile file;
      file.Open(path, CFile::modeCreate | CFile::modeWrite);
      CExportFile out(file);
      NoProgress none;
      WriteSubnetTable(records, format, out, none);
      out.Finish();
    });
    Report("  progress window only, no file", [&] {
      NoFile out;
      WriteTableFile(records, format, out, nullptr);
    });
    Report("  both, as the save command does", [&] {
      CFile file;
      file.Open(path, CFile::modeCreate | CFile::modeWrite);
      CExportFile out(file);
      WriteTableFile(records, format, out, nullptr);
    });
  }
  ::DeleteFileA(path);
  return 0;
}

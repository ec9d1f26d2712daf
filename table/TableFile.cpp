#include "TableFile.h"

#include <cstdio>
#include <memory>

#include "StatusDlg.h"
#include "app/resource.h"

namespace {

// The progress window of one save: made when the rows begin, taken down with this object
// whichever way the save ends. A window that could not be made is done without.
class CSaveProgress : public ExportProgress {
 public:
  explicit CSaveProgress(CWnd* pOwner) : m_pOwner(pOwner) {}
  ~CSaveProgress() override {
    if (m_pStatus == nullptr) return;
    m_pStatus->ShowWindow(SW_HIDE);
    m_pStatus->DestroyWindow();
  }

  void BeginRows(int) override {
    auto pStatus = std::make_unique<CStatusDlg>();
    if (!pStatus->Create(IDD_STATUS, m_pOwner)) return;
    m_pStatus = std::move(pStatus);
    m_pStatus->ShowWindow(SW_SHOW);
    m_pStatus->UpdateWindow();
  }

  void RowWritten(int written, int total) override {
    if (m_pStatus == nullptr) return;
    char text[64];
    std::snprintf(text, sizeof text, "Processed %d of %d records.", written, total);
    m_pStatus->m_staticProgress.SetWindowText(text);
    m_pStatus->m_staticProgress.UpdateWindow();
  }

 private:
  CWnd* m_pOwner;
  std::unique_ptr<CStatusDlg> m_pStatus;
};

}  // namespace

bool CExportFile::Write(const char* bytes, std::size_t count) {
  return m_file.Write(bytes, static_cast<UINT>(count)) != FALSE;
}

bool CExportFile::Finish() {
  const bool flushed = m_file.Flush() != FALSE;
  const bool closed = m_file.Close() != FALSE;
  return flushed && closed;
}

bool WriteTableFile(const std::vector<SubnetRecord>& records, ExportFormat format, ExportFile& file,
                    CWnd* pOwner) {
  CSaveProgress progress(pOwner);
  const bool written = WriteSubnetTable(records, format, file, progress);
  // A failed write still closes the file, so that it is not left open.
  const bool finished = file.Finish();
  return written && finished;
}

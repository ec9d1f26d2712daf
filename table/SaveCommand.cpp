// The table window's "&Save" command: asks for a file, chooses the format and writes the rows.
#include <string>

#include "ExportChoice.h"
#include "SubnetTableDlg.h"
#include "TableFile.h"

namespace {

const char kFileTypes[] = "Text files (*.txt)|*.txt|CSV (Excel) files (*.csv)|*.csv||";

// The Save As dialog asked about the name as typed; a name we completed with an extension may
// name another file that exists, so ask about it in the dialog's own words.
bool MayReplace(const std::string& path) {
  if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
  return AfxMessageBox("File already exists.\nDo you want to replace it?",
                       MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

}  // namespace

void CSubnetTableDlg::OnSave() {
  CFileDialog dlgFile(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFileTypes,
                      this);
  if (dlgFile.DoModal() != IDOK) return;

  // Draw the part the Save As dialog covered before the writing holds up the window.
  InvalidateRect(nullptr, TRUE);
  UpdateWindow();

  const CString strPath = dlgFile.GetPathName();
  const ExportChoice choice = ChooseExportFormat(strPath, dlgFile.GetFileExt(),
                                                 static_cast<int>(dlgFile.m_ofn.nFilterIndex));
  if (choice.path != strPath && !MayReplace(choice.path)) return;

  CFile file;
  CFileException error;
  if (!file.Open(choice.path.c_str(), CFile::modeCreate | CFile::modeWrite, &error)) {
    AfxMessageBox("File could not be opened!", MB_OK);
    return;
  }
  CExportFile exportFile(file);
  if (!WriteTableFile(m_records, choice.format, exportFile, this)) {
    AfxMessageBox("File could not be written completely!", MB_OK);
  }
}

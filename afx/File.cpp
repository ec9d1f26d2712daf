#include "File.h"

#include <commdlg.h>

#include <cstring>

#include "App.h"
#include "Wnd.h"

CFile::~CFile() {
  Close();
}

BOOL CFile::Open(const char* fileName, UINT nOpenFlags, CFileException* pError) {
  // One file at a time: reopening must not leak the handle, which keeps the file locked.
  Close();
  const DWORD access = (nOpenFlags & modeWrite) != 0 ? GENERIC_WRITE : GENERIC_READ;
  const DWORD disposition = (nOpenFlags & modeCreate) != 0 ? CREATE_ALWAYS : OPEN_EXISTING;
  m_hFile =
      ::CreateFileA(fileName, access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (m_hFile == INVALID_HANDLE_VALUE) {
    if (pError != nullptr) pError->m_lOsError = ::GetLastError();
    return FALSE;
  }
  return TRUE;
}

BOOL CFile::Write(const void* buffer, UINT nCount) {
  DWORD written = 0;
  return ::WriteFile(m_hFile, buffer, nCount, &written, nullptr) && written == nCount;
}

BOOL CFile::Flush() {
  return ::FlushFileBuffers(m_hFile);
}

BOOL CFile::Close() {
  if (!IsOpen()) return TRUE;
  const BOOL closed = ::CloseHandle(m_hFile);
  m_hFile = INVALID_HANDLE_VALUE;
  return closed;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName,
                         DWORD dwFlags, const char* lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog) {
  if (lpszFilter != nullptr) {
    m_strFilter = lpszFilter;
    for (char& c : m_strFilter) {
      if (c == '|') c = '\0';
    }
  }
  if (lpszDefExt != nullptr) m_strDefExt = lpszDefExt;
  if (lpszFileName != nullptr) std::strncpy(m_szFileName, lpszFileName, MAX_PATH - 1);
  m_ofn.lStructSize = sizeof(OPENFILENAMEA);
  m_ofn.hwndOwner = pParentWnd == nullptr ? nullptr : pParentWnd->m_hWnd;
  m_ofn.hInstance = AfxGetInstanceHandle();
  m_ofn.lpstrFilter = m_strFilter.empty() ? nullptr : m_strFilter.c_str();
  m_ofn.nFilterIndex = 1;
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = MAX_PATH;
  m_ofn.lpstrDefExt = m_strDefExt.empty() ? nullptr : m_strDefExt.c_str();
  m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal() {
  const BOOL chosen = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
  return chosen ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
  return CString(m_szFileName);
}

CString CFileDialog::GetFileExt() const {
  const std::string path(m_szFileName);
  const size_t slash = path.find_last_of("\\/");
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return CString();
  return CString(path.substr(dot + 1));
}

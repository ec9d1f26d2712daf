// CFile: an unbuffered file for writing; CFileDialog: the Open and Save As common dialogs.
// File operations report failure by their result; nothing throws.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "AfxString.h"

class CWnd;

class CFileException {
 public:
  DWORD m_lOsError = 0;
};

class CFile {
 public:
  enum OpenFlags : UINT { modeWrite = 0x0001, modeCreate = 0x1000 };

  CFile() = default;
  ~CFile();  // closes the file if it is still open
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Closes the file already open, if any, first.
  BOOL Open(const char* fileName, UINT nOpenFlags, CFileException* pError = nullptr);
  // FALSE unless all nCount bytes were written.
  BOOL Write(const void* buffer, UINT nCount);
  BOOL Flush();
  // FALSE when the system could not close the file; it is closed all the same.
  BOOL Close();
  bool IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }

 private:
  HANDLE m_hFile = INVALID_HANDLE_VALUE;
};

class CFileDialog {
 public:
  // The filter is pairs "Name|pattern|" closed by a second "|".
  CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr,
              const char* lpszFileName = nullptr,
              DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
              const char* lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
  // m_ofn points into the object's own buffers.
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;

  INT_PTR DoModal();
  CString GetPathName() const;
  // The text after the last dot of the file name, empty when there is none.
  CString GetFileExt() const;

  OPENFILENAMEA m_ofn{};

 private:
  BOOL m_bOpenFileDialog;
  std::string m_strFilter;
  std::string m_strDefExt;
  char m_szFileName[MAX_PATH] = {};
};

// GDI wrappers. A wrapper owns the object it created or was given with Attach, and deletes it
// when it is destroyed; Detach gives the object up (a region handed to SetWindowRgn, say).
// FromHandle gives a wrapper that only names an object it does not own; those of bitmaps and
// palettes are temporary and go at the next idle moment.
#pragma once

#include <windows.h>

class CWnd;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  // Frees the wrappers that selections handed out for the objects they replaced.
  static void DeleteTempMap();
  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, void* pObject) const;
};

class CBitmap : public CGdiObject {
 public:
  static CBitmap* FromHandle(HBITMAP hBitmap);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
  BOOL LoadBitmap(UINT nIDResource);
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* pBits);
  int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
};

class CPalette : public CGdiObject {
 public:
  static CPalette* FromHandle(HPALETTE hPalette);
  operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }  // NOLINT
  BOOL CreatePalette(const LOGPALETTE* pLogPalette);
  BOOL CreateHalftonePalette(class CDC* pDC);
};

class CRgn : public CGdiObject {
 public:
  static CRgn* FromHandle(HRGN hRgn);
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
  BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
  int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
  BOOL PtInRegion(POINT point) const;
};

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT

  // A wrapper for a device context the caller does not own, kept until DeleteTempMap.
  static CDC* FromHandle(HDC hDC);
  static void DeleteTempMap();

  // Deletes the context held so far, if any.
  BOOL Attach(HDC hDC);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();

  CBitmap* SelectObject(CBitmap* pBitmap);
  CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
  UINT RealizePalette();
  virtual COLORREF SetBkColor(COLORREF color);
  virtual COLORREF SetTextColor(COLORREF color);
  int GetDeviceCaps(int nIndex) const;
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  BOOL DrawIcon(int x, int y, HICON hIcon);
};

// The paint context of one WM_PAINT.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

 private:
  HWND m_hWnd;
};

// The client area's context of a window, or the whole screen's for no window.
class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 private:
  HWND m_hWnd;
};

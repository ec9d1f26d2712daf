#include "Gdi.h"

#include <memory>
#include <unordered_map>

#include "App.h"
#include "Wnd.h"

namespace {

// A wrapper that only names its object gives it up before it goes.
struct DetachThenDelete {
  template <class Wrapper>
  void operator()(Wrapper* wrapper) const {
    wrapper->Detach();
    delete wrapper;
  }
};

template <class Wrapper>
using NamingPtr = std::unique_ptr<Wrapper, DetachThenDelete>;

// Wrappers that name objects they do not own, one per handle.
template <class Wrapper, class Handle>
std::unordered_map<Handle, NamingPtr<Wrapper>>& Names() {
  static std::unordered_map<Handle, NamingPtr<Wrapper>> wrappers;
  return wrappers;
}

template <class Wrapper, class Handle>
Wrapper* NamingWrapper(Handle handle) {
  if (handle == nullptr) return nullptr;
  auto& slot = Names<Wrapper, Handle>()[handle];
  if (!slot) {
    slot.reset(new Wrapper);
    slot->Attach(handle);
  }
  return slot.get();
}

}  // namespace

CDC* TemporaryDC(HDC hDC) {
  return CDC::FromHandle(hDC);
}

void CGdiObject::DeleteTempMap() {
  Names<CBitmap, HBITMAP>().clear();
  Names<CPalette, HPALETTE>().clear();
}

CGdiObject::~CGdiObject() {
  DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) return FALSE;
  DeleteObject();
  m_hObject = hObject;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, void* pObject) const {
  return m_hObject == nullptr ? 0 : ::GetObjectA(m_hObject, nCount, pObject);
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
  return NamingWrapper<CBitmap>(hBitmap);
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* pBits) {
  return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, pBits));
}

CPalette* CPalette::FromHandle(HPALETTE hPalette) {
  return NamingWrapper<CPalette>(hPalette);
}

BOOL CPalette::CreatePalette(const LOGPALETTE* pLogPalette) {
  return Attach(::CreatePalette(pLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
  return Attach(::CreateHalftonePalette(pDC->m_hDC));
}

CRgn* CRgn::FromHandle(HRGN hRgn) {
  return NamingWrapper<CRgn>(hRgn);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
  return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  return ::CombineRgn(*this, *pRgn1, *pRgn2, nCombineMode);
}

BOOL CRgn::PtInRegion(POINT point) const {
  return ::PtInRegion(*this, point.x, point.y);
}

CDC::~CDC() {
  DeleteDC();
}

CDC* CDC::FromHandle(HDC hDC) {
  return NamingWrapper<CDC>(hDC);
}

void CDC::DeleteTempMap() {
  Names<CDC, HDC>().clear();
}

BOOL CDC::Attach(HDC hDC) {
  if (hDC == nullptr) return FALSE;
  // The context held so far is ours: a recreated memory DC must not leak the first.
  DeleteDC();
  m_hDC = hDC;
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  m_hDC = nullptr;
  return hDC;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC == nullptr ? nullptr : pDC->m_hDC));
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  if (pBitmap == nullptr) return nullptr;
  return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->m_hObject)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
  if (pPalette == nullptr) return nullptr;
  return CPalette::FromHandle(::SelectPalette(m_hDC, *pPalette, bForceBackground));
}

UINT CDC::RealizePalette() {
  return ::RealizePalette(m_hDC);
}
COLORREF CDC::SetBkColor(COLORREF color) {
  return ::SetBkColor(m_hDC, color);
}
COLORREF CDC::SetTextColor(COLORREF color) {
  return ::SetTextColor(m_hDC, color);
}
int CDC::GetDeviceCaps(int nIndex) const {
  return ::GetDeviceCaps(m_hDC, nIndex);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC == nullptr ? nullptr : pSrcDC->m_hDC, xSrc,
                  ySrc, dwRop);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
  return ::DrawIcon(m_hDC, x, y, hIcon);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) {
  Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC() {
  Detach();
  ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd == nullptr ? nullptr : pWnd->m_hWnd) {
  Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC() {
  ::ReleaseDC(m_hWnd, Detach());
}

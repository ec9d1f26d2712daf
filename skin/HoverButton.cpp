#include "HoverButton.h"

namespace {

constexpr UINT_PTR kPollTimer = 1;
constexpr UINT kPollMilliseconds = 50;
constexpr COLORREF kSeeThrough = RGB(0, 255, 0);

}  // namespace

const MessageEntry CHoverButton::kMessageEntries[] = {
    {WM_MOUSEMOVE, 0, 0, Handler<&CHoverButton::OnMouseMove>},
    {WM_TIMER, 0, 0, Handler<&CHoverButton::OnTimer>},
    {WM_ERASEBKGND, 0, 0, Handler<&CHoverButton::OnEraseBkgnd>},
};
const MessageMap CHoverButton::kMessageMap = {&CButton::kMessageMap, kMessageEntries,
                                              std::size(kMessageEntries)};

int CHoverButton::SetImages(int x, int y, UINT nNormalID, UINT nHoverID, CRgn* pWindowRgn) {
  m_nLeft = x;
  m_nTop = y;
  m_bmpNormal.LoadBitmap(nNormalID);
  m_bmpHover.LoadBitmap(nHoverID);
  const int right = x + m_bmpNormal.GetWidth();
  const int bottom = y + m_bmpNormal.GetHeight();
  m_rgnButton.CreateRectRgn(x, y, right, bottom);
  if (pWindowRgn == nullptr) return ERROR;
  CRgn rgnAdded;
  rgnAdded.CreateRectRgn(x, y, right, bottom);
  return pWindowRgn->CombineRgn(pWindowRgn, &rgnAdded, RGN_OR);
}

void CHoverButton::SizeToImage() {
  MoveWindow(m_nLeft, m_nTop, m_bmpNormal.GetWidth(), m_bmpNormal.GetHeight(), TRUE);
}

void CHoverButton::OnMouseMove(UINT, CPoint) {
  if (!m_bHover) {
    m_bHover = TRUE;
    // Shown at once, not at the next regular paint.
    InvalidateRect(nullptr);
    UpdateWindow();
    SetTimer(kPollTimer, kPollMilliseconds, nullptr);
  }
  Default();
}

// The test is geometric, in the parent's client coordinates: a window over the button does
// not end the hover while the pointer stays within the button's rectangle.
void CHoverButton::OnTimer(UINT_PTR) {
  CPoint cursor;
  ::GetCursorPos(&cursor);
  GetParent()->ScreenToClient(&cursor);
  if (m_rgnButton.PtInRegion(cursor)) return;
  m_bHover = FALSE;
  InvalidateRect(nullptr);
  UpdateWindow();
  KillTimer(kPollTimer);
}

// The picture covers the whole button.
BOOL CHoverButton::OnEraseBkgnd(CDC*) {
  return TRUE;
}

// Neither the action nor the state of the request changes the picture.
void CHoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  CTransparentBitmap& picture = m_bHover ? m_bmpHover : m_bmpNormal;
  picture.DrawTransparent(pDC, 0, 0, kSeeThrough);
  CDC::DeleteTempMap();
}

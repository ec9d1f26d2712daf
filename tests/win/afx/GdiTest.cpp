// GDI wrappers own what they create and nothing else; device context wrappers give their
// contexts back.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "TestDialog.h"
#include "TestIds.h"

namespace {

// Wine treats an HDC handed back with ReleaseDC as free: releasing it again fails.
bool StillHeld(HWND window, HDC dc) {
  return ::ReleaseDC(window, dc) == 1;
}

struct OwnedCase {
  const char* name;
  std::function<HGDIOBJ(CGdiObject&)> create;
  std::function<std::unique_ptr<CGdiObject>()> make;
};

HGDIOBJ MakeBitmap(CGdiObject& object) {
  static_cast<CBitmap&>(object).CreateBitmap(8, 8, 1, 1, nullptr);
  return object.m_hObject;
}

HGDIOBJ MakePalette(CGdiObject& object) {
  LOGPALETTE palette{0x300, 1, {{10, 20, 30, 0}}};
  static_cast<CPalette&>(object).CreatePalette(&palette);
  return object.m_hObject;
}

HGDIOBJ MakeRegion(CGdiObject& object) {
  static_cast<CRgn&>(object).CreateRectRgn(0, 0, 10, 10);
  return object.m_hObject;
}

const OwnedCase kOwnedCases[] = {
    {"bitmap", MakeBitmap, [] { return std::make_unique<CBitmap>(); }},
    {"palette", MakePalette, [] { return std::make_unique<CPalette>(); }},
    {"region", MakeRegion, [] { return std::make_unique<CRgn>(); }},
};

TEST(GdiWrappers, DeleteWhatTheyCreatedWhenRecreatedOrDestroyed) {
  for (const auto& c : kOwnedCases) {
    auto wrapper = c.make();
    HGDIOBJ first = c.create(*wrapper);
    ASSERT_NE(first, nullptr) << c.name;
    HGDIOBJ second = c.create(*wrapper);
    EXPECT_EQ(::GetObjectType(first), 0u) << c.name << ": the first one is deleted";
    wrapper.reset();
    EXPECT_EQ(::GetObjectType(second), 0u) << c.name;
  }
}

TEST(GdiWrappers, AMemoryDcIsDeletedWhenRecreatedOrDestroyed) {
  auto dc = std::make_unique<CDC>();
  dc->CreateCompatibleDC(nullptr);
  HDC first = dc->m_hDC;
  dc->CreateCompatibleDC(nullptr);
  HDC second = dc->m_hDC;
  EXPECT_EQ(::GetObjectType(first), 0u);
  dc.reset();
  EXPECT_EQ(::GetObjectType(second), 0u);
}

TEST(GdiWrappers, ADetachedRegionOutlivesItsWrapperAndShapesTheWindow) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  HRGN given = nullptr;
  {
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 50, 40);
    given = static_cast<HRGN>(rgn.Detach());
  }
  ASSERT_EQ(::GetObjectType(given), static_cast<DWORD>(OBJ_REGION));
  // From here the region is the window's (Wine deletes it at once, having copied it).
  EXPECT_NE(dlg.SetWindowRgn(given, FALSE), 0);
  CRgn copy;
  copy.CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(::GetWindowRgn(dlg, copy), SIMPLEREGION);
  EXPECT_TRUE(copy.PtInRegion({49, 39}));
  EXPECT_FALSE(copy.PtInRegion({50, 40}));
}

TEST(GdiWrappers, NamingWrappersNeverDeleteTheirObjects) {
  CBitmap owned;
  owned.CreateBitmap(4, 4, 1, 1, nullptr);
  HGDIOBJ stock = nullptr;
  {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(&owned);
    stock = old->m_hObject;
    EXPECT_EQ(CBitmap::FromHandle(static_cast<HBITMAP>(stock)), old) << "one wrapper a handle";
    dc.SelectObject(old);
  }
  CDC::DeleteTempMap();
  EXPECT_EQ(::GetObjectType(stock), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(::GetObjectType(owned.m_hObject), static_cast<DWORD>(OBJ_BITMAP));
}

TEST(GdiWrappers, ATemporaryDcWrapperGoesWithoutReleasingTheContext) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  HDC dc = ::GetDC(dlg);
  CDC* wrapper = CDC::FromHandle(dc);
  EXPECT_EQ(CDC::FromHandle(dc), wrapper);
  CDC::DeleteTempMap();
  EXPECT_TRUE(StillHeld(dlg, dc));
}

TEST(GdiWrappers, AClientDcGivesItsContextBack) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  CWnd* const windows[] = {&dlg, nullptr};
  for (CWnd* window : windows) {
    HDC dc = nullptr;
    {
      CClientDC clientDC(window);
      dc = clientDC.m_hDC;
      ASSERT_NE(dc, nullptr);
    }
    EXPECT_FALSE(StillHeld(window == nullptr ? nullptr : window->m_hWnd, dc))
        << (window == nullptr ? "screen" : "window");
  }
}

// A window that paints through a CPaintDC and keeps the context it had.
class PaintingDialog : public TestDialog {
 public:
  void OnPaint() {
    CPaintDC dc(this);
    m_hPaintDC = dc.m_hDC;
  }
  HDC m_hPaintDC = nullptr;

 protected:
  static const MessageEntry kMessageEntries[];
  static const MessageMap kMessageMap;
  const MessageMap* GetMessageMap() const override { return &kMessageMap; }
};

const MessageEntry PaintingDialog::kMessageEntries[] = {
    {WM_PAINT, 0, 0, Handler<&PaintingDialog::OnPaint>},
};
const MessageMap PaintingDialog::kMessageMap = {&TestDialog::kMessageMap, kMessageEntries,
                                                std::size(kMessageEntries)};

TEST(GdiWrappers, APaintDcEndsThePaint) {
  PaintingDialog dlg;
  dlg.Create(IDD_TEST);
  dlg.ShowWindow(SW_SHOW);
  dlg.UpdateWindow();
  ASSERT_NE(dlg.m_hPaintDC, nullptr);
  EXPECT_FALSE(::GetUpdateRect(dlg, nullptr, FALSE));
  EXPECT_FALSE(StillHeld(dlg, dlg.m_hPaintDC));
}

}  // namespace

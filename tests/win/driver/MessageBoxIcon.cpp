#include <cstdlib>
#include <vector>

#include "MessageBox.h"
#include "Wait.h"

namespace ui {

namespace {

// A 32-bit top-down picture in memory, which GDI can draw on and we can read.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    pixels_ = static_cast<const DWORD*>(bits);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  DWORD At(int x, int y) const {
    GdiFlush();
    return pixels_[y * width_ + x] & 0xFFFFFF;
  }

 private:
  int width_, height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
  const DWORD* pixels_ = nullptr;
};

bool Near(DWORD a, DWORD b) {
  constexpr int kTolerance = 24;
  for (int shift = 0; shift < 24; shift += 8) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >
        kTolerance) {
      return false;
    }
  }
  return true;
}

// The share of pixels in which the icon drawn on the shown background looks like the screen.
double Likeness(const Canvas& shown, int width, int height, HICON icon) {
  Canvas drawn(width, height);
  // A DIB pixel holds red in its third byte; a brush colour holds it in its first.
  const DWORD pixel = shown.At(0, 0);
  HBRUSH background = CreateSolidBrush(RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel)));
  RECT all{0, 0, width, height};
  FillRect(drawn.Dc(), &all, background);
  DeleteObject(background);
  DrawIconEx(drawn.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  int same = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) same += Near(shown.At(x, y), drawn.At(x, y));
  }
  return static_cast<double>(same) / (width * height);
}

struct Candidate {
  BoxIcon kind;
  LPCSTR id;
};
const Candidate kCandidates[] = {
    {BoxIcon::Exclamation, MAKEINTRESOURCEA(32515)},  // IDI_EXCLAMATION
    {BoxIcon::Information, MAKEINTRESOURCEA(32516)},  // IDI_INFORMATION
    {BoxIcon::Question, MAKEINTRESOURCEA(32514)},     // IDI_QUESTION
};

// The candidate most like the picture, or Other when none is close. The question and
// information icons share their round outline, so only a near-perfect likeness counts.
BoxIcon Recognise(HWND picture) {
  RECT r;
  GetClientRect(picture, &r);
  POINT origin{0, 0};
  ClientToScreen(picture, &origin);
  Canvas shown(r.right, r.bottom);
  HDC screen = GetDC(nullptr);
  BitBlt(shown.Dc(), 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  BoxIcon best = BoxIcon::Other;
  double bestLikeness = 0.97;
  for (const auto& c : kCandidates) {
    const double likeness = Likeness(shown, r.right, r.bottom, LoadIconA(nullptr, c.id));
    if (likeness >= bestLikeness) {
      best = c.kind;
      bestLikeness = likeness;
    }
  }
  return best;
}

}  // namespace

BoxIcon MessageBoxIcon(HWND box) {
  HWND picture = MessageBoxIconControl(box);
  // The handle is another process's, but whether it is null still tells.
  if (!picture || !IsWindowVisible(picture) || !SendMessageA(picture, STM_GETICON, 0, 0)) {
    return BoxIcon::None;
  }
  // The box may be on the screen a moment before its icon is painted.
  BoxIcon kind = BoxIcon::Other;
  PollUntil([&] { return (kind = Recognise(picture)) != BoxIcon::Other; }, Ms(1000));
  return kind;
}

}  // namespace ui

#include "HelpSpy.h"

#include <cstring>
#include <stdexcept>

namespace ui {

namespace {

constexpr char kHelpClass[] = "MS_WINHELP";

// The block that WinHelp sends: its size, the command, the command's data, and where in
// the block the help file's name starts.
struct WinHelpBlock {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD fileNameOffset;
  WORD dataOffset;
};

void RegisterSpyClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHelpClass;
    return RegisterClassA(&windowClass) != 0;
  }();
  if (!registered) throw std::runtime_error("cannot register the help spy's class");
}

}  // namespace

HelpSpy::HelpSpy() {
  RegisterSpyClass(WindowProc);
  // A hidden top-level window: WinHelp looks for it with FindWindow, which skips
  // message-only windows.
  window_ = CreateWindowA(kHelpClass, "help spy", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  if (!window_) throw std::runtime_error("cannot create the help spy");
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

HelpSpy::~HelpSpy() {
  DestroyWindow(window_);
}

HelpRequest HelpSpy::WaitForRequest(Ms timeout) {
  WaitUntil([&] { return requests_.size() > taken_; }, "a help request", timeout);
  return requests_[taken_++];
}

LRESULT CALLBACK HelpSpy::WindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COPYDATA) {
    auto* spy = reinterpret_cast<HelpSpy*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (spy) spy->Record(*reinterpret_cast<const COPYDATASTRUCT*>(lp));
    return TRUE;
  }
  return DefWindowProcA(window, msg, wp, lp);
}

void HelpSpy::Record(const COPYDATASTRUCT& data) {
  if (data.cbData < sizeof(WinHelpBlock)) return;
  const auto* bytes = static_cast<const char*>(data.lpData);
  WinHelpBlock block;
  std::memcpy(&block, bytes, sizeof block);
  HelpRequest request{block.command, {}};
  if (block.fileNameOffset > 0 && block.fileNameOffset < data.cbData) {
    request.file.assign(bytes + block.fileNameOffset,
                        strnlen(bytes + block.fileNameOffset, data.cbData - block.fileNameOffset));
  }
  requests_.push_back(request);
}

}  // namespace ui

#include "Input.h"

#include <stdexcept>

#include "Wait.h"
#include "Window.h"

namespace ui {

namespace {

void Send(INPUT input) {
  if (SendInput(1, &input, sizeof input) != 1) throw std::runtime_error("SendInput failed");
}

bool IsExtendedKey(WORD vk) {
  switch (vk) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
      return true;
  }
  return false;
}

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0u) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0u);
  Send(input);
}

// Absolute mouse coordinates run from 0 to 65535 across the screen; rounding up makes the
// system's conversion back land on the very pixel asked for.
LONG Normalised(LONG pixel, int screenSize) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

void SendMouse(POINT screen, DWORD buttons) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
  Send(input);
}

void MoveTo(POINT screen) {
  SendMouse(screen, 0);
  WaitUntil(
      [&] {
        POINT at;
        return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
      },
      "the mouse pointer to reach " + std::to_string(screen.x) + "," + std::to_string(screen.y));
}

// Whether the window's thread has taken the mouse: captured it, or started moving a window.
bool HoldsMouse(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
         (info.hwndCapture || (info.flags & GUI_INMOVESIZE));
}

}  // namespace

void BringToFront(HWND top) {
  SetForegroundWindow(top);
  WaitUntil([&] { return GetForegroundWindow() == top; },
            "window '" + Text(top) + "' to come to the foreground");
}

void PressKey(WORD virtualKey, bool shift) {
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  if (shift) SendKey(VK_SHIFT, true);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT key = VkKeyScanA(c);
    if (key == -1) throw std::runtime_error(std::string("no key types '") + c + "'");
    PressKey(LOBYTE(key), (HIBYTE(key) & 1) != 0);
  }
}

void MoveMouse(HWND window, POINT client) {
  MoveTo(ScreenPoint(window, client));
}

void Click(HWND window, POINT client) {
  const POINT at = ScreenPoint(window, client);
  MoveTo(at);
  SendMouse(at, MOUSEEVENTF_LEFTDOWN);
  SendMouse(at, MOUSEEVENTF_LEFTUP);
}

void ClickCenter(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  Click(window, POINT{r.right / 2, r.bottom / 2});
}

void Drag(HWND window, POINT from, int dx, int dy) {
  constexpr int kSteps = 8;
  const POINT start = ScreenPoint(window, from);
  MoveTo(start);
  SendMouse(start, MOUSEEVENTF_LEFTDOWN);
  // A hand rests a moment after pressing; a busy program that starts its move loop only
  // after the moves came would otherwise lose them. Not every program takes the mouse.
  PollUntil([&] { return HoldsMouse(window); }, Ms(2000));
  for (int i = 1; i <= kSteps; ++i) {
    MoveTo(POINT{start.x + dx * i / kSteps, start.y + dy * i / kSteps});
  }
  SendMouse(POINT{start.x + dx, start.y + dy}, MOUSEEVENTF_LEFTUP);
}

}  // namespace ui

#include "Window.h"

#include <stdexcept>
#include <vector>

namespace ui {

namespace {

struct TopWindowQuery {
  DWORD processId;
  const std::string& title;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM lp) {
  auto* query = reinterpret_cast<TopWindowQuery*>(lp);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != query->processId || !IsWindowVisible(window)) return TRUE;
  if (query->className && ClassName(window) != query->className) return TRUE;
  if (TextWithoutMessage(window) != query->title) return TRUE;
  query->found = window;
  return FALSE;
}

}  // namespace

std::string TextWithoutMessage(HWND window) {
  wchar_t text[256] = {};
  const int length = InternalGetWindowText(window, text, 256);
  return std::string(text, text + length);  // the program's texts are plain ASCII
}

HWND FindTopWindow(DWORD processId, const std::string& title, const char* className) {
  TopWindowQuery query{processId, title, className, nullptr};
  EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND FindThreadWindow(DWORD threadId, const std::function<bool(HWND)>& match) {
  struct Query {
    const std::function<bool(HWND)>& match;
    HWND found;
  } query{match, nullptr};
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM lp) -> BOOL {
        auto* q = reinterpret_cast<Query*>(lp);
        if (!IsWindowVisible(window) || !q->match(window)) return TRUE;
        q->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND Control(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) {
    throw std::runtime_error("window '" + Text(dialog) + "' has no control " + std::to_string(id));
  }
  return control;
}

std::string Text(HWND window) {
  const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> text(static_cast<size_t>(length) + 1);
  const auto copied =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  return std::string(text.data(), static_cast<size_t>(copied));
}

std::string Text(HWND dialog, int id) {
  return Text(Control(dialog, id));
}

std::string ClassName(HWND window) {
  char name[256];
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, static_cast<size_t>(length));
}

HWND FocusedWindow(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientRectOnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

}  // namespace ui

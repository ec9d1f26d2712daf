#include "MessageBox.h"

#include <stdexcept>

#include "Input.h"
#include "Wait.h"
#include "Window.h"

namespace ui {

namespace {

bool IsStatic(HWND window) {
  return ClassName(window) == "Static";
}
bool ShowsIcon(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// The first child for which `match` holds, or null.
template <class Match>
HWND FindChild(HWND parent, Match match) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (match(child)) return child;
  }
  return nullptr;
}

HWND TextControl(HWND box) {
  return FindChild(box, [](HWND c) { return IsStatic(c) && !ShowsIcon(c); });
}

}  // namespace

HWND MessageBoxIconControl(HWND box) {
  return FindChild(box, [](HWND c) { return IsStatic(c) && ShowsIcon(c); });
}

// A message box is a dialog holding an icon picture and a text; the program's own dialogs
// are told apart by having no icon picture.
HWND FindMessageBox(DWORD threadId) {
  return FindThreadWindow(threadId, [](HWND window) {
    return ClassName(window) == "#32770" && MessageBoxIconControl(window);
  });
}

std::string MessageBoxText(HWND box) {
  HWND text = TextControl(box);
  if (!text) throw std::runtime_error("the message box has no text");
  return Text(text);
}

void AnswerMessageBox(HWND box, int buttonId) {
  ClickCenter(Control(box, buttonId));
  WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, "the message box to close");
}

}  // namespace ui

#include "Combo.h"

#include <stdexcept>

#include "Input.h"
#include "Wait.h"
#include "Window.h"

namespace ui {

namespace {

std::string Narrow(const std::wstring& wide) {
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                      nullptr, nullptr);
  return text;
}

bool DroppedDown(HWND combo) {
  return SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// The list part of an open drop-down list: a top-level window of the same thread.
HWND OpenListOf(HWND combo) {
  return FindThreadWindow(GetWindowThreadProcessId(combo, nullptr),
                          [](HWND window) { return ClassName(window) == "ComboLBox"; });
}

}  // namespace

int ComboRowCount(HWND combo) {
  return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

int ComboSelection(HWND combo) {
  return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

// Another process answers CB_GETLBTEXT in wide characters whatever was asked, so ask for them.
std::string ComboRowText(HWND combo, int row) {
  const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length == CB_ERR) throw std::out_of_range("combo box has no row " + std::to_string(row));
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const auto copied = SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return Narrow(text);
}

std::vector<std::string> ComboRows(HWND combo) {
  std::vector<std::string> rows;
  for (int row = 0, count = ComboRowCount(combo); row < count; ++row) {
    rows.push_back(ComboRowText(combo, row));
  }
  return rows;
}

std::string ComboSelectedText(HWND combo) {
  const int row = ComboSelection(combo);
  return row == CB_ERR ? std::string() : ComboRowText(combo, row);
}

int ComboRowOf(HWND combo, const std::string& text) {
  const auto rows = ComboRows(combo);
  for (size_t row = 0; row < rows.size(); ++row) {
    if (rows[row] == text) return static_cast<int>(row);
  }
  throw std::out_of_range("combo box has no row '" + text + "'");
}

void PickComboRowWithKeys(HWND combo, int row) {
  PressKey(VK_F4);
  WaitUntil([&] { return DroppedDown(combo); }, "the drop-down list to open");
  HWND list = OpenListOf(combo);
  auto highlighted = [&] { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); };
  // The open list walks from the selected row, or starts at the top when there is none.
  for (int at = highlighted(); at != row;) {
    PressKey(at < row ? VK_DOWN : VK_UP);
    const int from = at;
    WaitUntil([&] { return (at = highlighted()) != from; }, "the highlight to move");
  }
  PressKey(VK_RETURN);
  WaitUntil([&] { return !DroppedDown(combo) && ComboSelection(combo) == row; },
            "row " + std::to_string(row) + " to be picked");
}

void PickComboRowWithMouse(HWND combo, int row) {
  ClickCenter(combo);
  HWND list = WaitFor([&] { return OpenListOf(combo); }, "the drop-down list to open");
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  Click(list, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  WaitUntil([&] { return !DroppedDown(combo) && ComboSelection(combo) == row; },
            "row " + std::to_string(row) + " to be picked");
}

}  // namespace ui

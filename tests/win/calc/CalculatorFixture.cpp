#include "CalculatorFixture.h"

void Calculator::SetUp() {
  ui::BringToFront(dlg_);
  ASSERT_EQ(FocusSoon(IDC_OCTET1), IDC_OCTET1);
}

std::string Calculator::TextSoon(int id, const std::string& want) const {
  return ui::Eventually([&] { return ui::Text(dlg_, id); }, want);
}

int Calculator::FocusSoon(int id) const {
  return ui::Eventually([&] { return app_.FocusId(); }, id);
}

std::string Calculator::SelectedSoon(int listId, const std::string& want) const {
  return ui::Eventually([&] { return ui::ComboSelectedText(Ctl(listId)); }, want);
}

std::vector<std::string> Calculator::SelectedRowsSoon(const std::vector<std::string>& want) const {
  return ui::Eventually(
      [&] {
        std::vector<std::string> rows;
        for (int list : kLists) rows.push_back(ui::ComboSelectedText(Ctl(list)));
        return rows;
      },
      want);
}

void Calculator::TypeAddress(const std::string& address) const {
  ui::TypeText(address + ".");
  ASSERT_EQ(FocusSoon(IDC_PREFIX_LIST), IDC_PREFIX_LIST) << address;
}

void Calculator::Retype(int fieldId, const std::string& text) const {
  // Each click lands on another spot: two on the same spot would make a double click.
  if (app_.FocusId() != fieldId) ui::Click(Ctl(fieldId), {6 + 8 * (clicks_++ % 4), 12});
  ASSERT_EQ(FocusSoon(fieldId), fieldId);
  ui::PressKey(VK_HOME);
  ui::PressKey(VK_END, true);
  ui::PressKey(VK_DELETE);
  ui::TypeText(text);
  ASSERT_EQ(TextSoon(fieldId, text), text);
}

void Calculator::PickRow(int listId, const std::string& text) const {
  ui::PickComboRowWithMouse(Ctl(listId), ui::ComboRowOf(Ctl(listId), text));
}

void Calculator::ClickButton(int id) const {
  ui::ClickCenter(Ctl(id));
  ui::WaitUntil(
      [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(app_.ThreadId(), &info) && info.hwndCapture == nullptr;
      },
      "the button to release the mouse");
}

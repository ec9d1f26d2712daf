// The octet fields: which keys leave them, the error box, and the three-character limit.
#include "CalculatorFixture.h"

namespace {

// A key as the user presses it in a field.
enum class Key { Tab, ShiftTab, Enter, Dot, Escape };

void Press(Key key) {
  switch (key) {
    case Key::Tab:
      return ui::PressKey(VK_TAB);
    case Key::ShiftTab:
      return ui::PressKey(VK_TAB, true);
    case Key::Enter:
      return ui::PressKey(VK_RETURN);
    case Key::Dot:
      return ui::TypeText(".");
    case Key::Escape:
      return ui::PressKey(VK_ESCAPE);
  }
}

struct KeyCase {
  int field;
  const char* text;
  Key key;
  const char* error;  // the error box's text, or null when the key is not refused
  int focus;          // where the focus is afterwards
};

const char kFirstRange[] = "Error: Number must be between 1 and 223";
const char kMiddleRange[] = "Error: Number must be between 0 and 255";
const char kLastRange[] = "Error: Number must be between 1 and 254";

// In order: each field ends valid, so that the fourth field's keys can reach the list.
const KeyCase kKeys[] = {
    {IDC_OCTET1, "224", Key::Dot, kFirstRange, IDC_OCTET1},
    {IDC_OCTET1, "0", Key::Enter, kFirstRange, IDC_OCTET1},
    {IDC_OCTET1, "", Key::Tab, kFirstRange, IDC_OCTET1},
    {IDC_OCTET1, "223", Key::Tab, nullptr, IDC_OCTET2},
    {IDC_OCTET1, "1", Key::Enter, nullptr, IDC_OCTET2},
    {IDC_OCTET1, "192", Key::Dot, nullptr, IDC_OCTET2},
    {IDC_OCTET2, "", Key::ShiftTab, kMiddleRange, IDC_OCTET2},
    {IDC_OCTET2, "0", Key::ShiftTab, nullptr, IDC_OCTET1},
    {IDC_OCTET2, "255", Key::Enter, nullptr, IDC_OCTET3},
    {IDC_OCTET3, "", Key::Enter, kMiddleRange, IDC_OCTET3},
    {IDC_OCTET3, "0", Key::Dot, nullptr, IDC_OCTET4},
    {IDC_OCTET4, "255", Key::Tab, kLastRange, IDC_OCTET4},
    {IDC_OCTET4, "0", Key::Dot, kLastRange, IDC_OCTET4},
    {IDC_OCTET4, "", Key::Dot, kLastRange, IDC_OCTET4},
    {IDC_OCTET4, "1", Key::ShiftTab, nullptr, IDC_OCTET3},
    {IDC_OCTET4, "254", Key::Enter, nullptr, IDC_PREFIX_LIST},
    {IDC_OCTET4, "1", Key::Dot, nullptr, IDC_PREFIX_LIST},
};

TEST_F(Calculator, FieldsAreLeftByKeyOnlyWithANumberInRange) {
  for (const auto& c : kKeys) {
    const std::string what = "field " + std::to_string(c.field) + " '" + c.text + "'";
    Retype(c.field, c.text);
    Press(c.key);
    if (c.error) {
      HWND box = WaitForBox();
      EXPECT_EQ(ui::MessageBoxText(box), c.error) << what;
      EXPECT_EQ(ui::Text(box), "Velkaro") << what;
      EXPECT_EQ(ui::MessageBoxIcon(box), ui::BoxIcon::Exclamation) << what;
      ui::AnswerMessageBox(box, IDOK);
    }
    EXPECT_EQ(FocusSoon(c.focus), c.focus) << what;
    EXPECT_FALSE(BoxShown()) << what;
    // The field keeps its text, and neither a dot nor Enter ends up in a field.
    EXPECT_EQ(ui::Text(dlg_, c.field), c.text) << what;
    if (c.focus != c.field && c.focus != IDC_PREFIX_LIST) {
      EXPECT_EQ(ui::Text(dlg_, c.focus).find('.'), std::string::npos) << what;
    }
  }
}

TEST_F(Calculator, EscapeInAFieldDoesNothing) {
  for (const char* text : {"12", ""}) {
    Retype(IDC_OCTET2, text);
    ui::PressKey(VK_ESCAPE);
    ui::TypeText("0");  // shows that the key before it has been handled
    const std::string want = std::string(text) + "0";
    EXPECT_EQ(TextSoon(IDC_OCTET2, want), want) << text;
    EXPECT_FALSE(BoxShown()) << text;
    EXPECT_EQ(app_.FocusId(), IDC_OCTET2) << text;
  }
}

TEST_F(Calculator, TheFirstFieldDetectsTheClassEvenOfARefusedNumber) {
  ui::TypeText("0.");
  HWND box = WaitForBox();
  // The box took the focus from the field, which ran the class detection.
  EXPECT_EQ(TextSoon(IDC_CLASS_TEXT, "Class A Address"), "Class A Address");
  EXPECT_EQ(ui::ComboRowCount(Ctl(IDC_PREFIX_LIST)), 0);
  ui::AnswerMessageBox(box, IDOK);
  ASSERT_EQ(FocusSoon(IDC_OCTET1), IDC_OCTET1);

  // Corrected within the same class, the lists fill.
  Retype(IDC_OCTET1, "10");
  ui::TypeText(".");
  EXPECT_EQ(SelectedSoon(IDC_PREFIX_LIST, "8"), "8");
  EXPECT_EQ(ui::ComboRowCount(Ctl(IDC_PREFIX_LIST)), 29);
}

TEST_F(Calculator, EveryFieldTakesAtMostThreeCharacters) {
  Retype(IDC_OCTET1, "10");
  for (int field : kFields) {
    ui::ClickCenter(Ctl(field));
    ASSERT_EQ(FocusSoon(field), field);
    ui::PressKey(VK_HOME);
    ui::PressKey(VK_END, true);
    ui::TypeText("2550");
    EXPECT_EQ(TextSoon(field, "255"), "255") << field;
  }
  // So no octet can carry into the one before it: 10.255.255.1, not 19.246.255.1.
  Retype(IDC_OCTET1, "10");
  Retype(IDC_OCTET4, "1");
  ui::TypeText(".");
  EXPECT_EQ(TextSoon(IDC_NETWORK_TEXT, "10.0.0.0"), "10.0.0.0");
  EXPECT_EQ(ui::Text(dlg_, IDC_BROADCAST_TEXT), "10.255.255.255");
}

}  // namespace

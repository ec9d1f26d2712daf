// The address drives the class line, the four linked lists and the two result lines.
#include "CalculatorFixture.h"

namespace {

using Rows = std::vector<std::string>;

TEST_F(Calculator, TheTypicalUseFillsTheListsAndComputesTheLines) {
  ui::TypeText("172.");
  EXPECT_EQ(TextSoon(IDC_CLASS_TEXT, "Class B Address"), "Class B Address");
  EXPECT_EQ(SelectedRowsSoon({"16", "255.255.0.0", "1", "65534"}),
            (Rows{"16", "255.255.0.0", "1", "65534"}));
  for (int list : kLists) {
    EXPECT_EQ(ui::ComboRowCount(Ctl(list)), 29) << list;
    EXPECT_EQ(ui::ComboSelection(Ctl(list)), 14) << list;
  }
  EXPECT_EQ(ui::ComboRowText(Ctl(IDC_PREFIX_LIST), 0), "2");
  EXPECT_EQ(ui::ComboRowText(Ctl(IDC_MASK_LIST), 28), "255.255.255.252");

  TypeAddress("16.5.4");
  EXPECT_EQ(TextSoon(IDC_NETWORK_TEXT, "172.16.0.0"), "172.16.0.0");
  EXPECT_EQ(TextSoon(IDC_BROADCAST_TEXT, "172.16.255.255"), "172.16.255.255");

  // The prefix list has the focus: the keys pick the row.
  ui::PickComboRowWithKeys(Ctl(IDC_PREFIX_LIST), ui::ComboRowOf(Ctl(IDC_PREFIX_LIST), "20"));
  EXPECT_EQ(SelectedRowsSoon({"20", "255.255.240.0", "16", "4094"}),
            (Rows{"20", "255.255.240.0", "16", "4094"}));
  EXPECT_EQ(TextSoon(IDC_BROADCAST_TEXT, "172.16.15.255"), "172.16.15.255");
  EXPECT_EQ(ui::Text(dlg_, IDC_NETWORK_TEXT), "172.16.0.0");
}

struct PickCase {
  int list;
  const char* row;
  Rows selected;  // prefix, mask, subnets, hosts
  const char* network;
  const char* broadcast;
};

TEST_F(Calculator, PickingARowInAnyListMovesTheOtherThree) {
  const PickCase kPicks[] = {
      {IDC_MASK_LIST,
       "255.255.255.0",
       {"24", "255.255.255.0", "256", "254"},
       "172.16.5.0",
       "172.16.5.255"},
      {IDC_SUBNETS_LIST,
       "1024",
       {"26", "255.255.255.192", "1024", "62"},
       "172.16.5.0",
       "172.16.5.63"},
      {IDC_HOSTS_LIST,
       "4094",
       {"20", "255.255.240.0", "16", "4094"},
       "172.16.0.0",
       "172.16.15.255"},
      {IDC_PREFIX_LIST,
       "12",
       {"12", "255.240.0.0", "1", "1048574"},
       "172.16.0.0 (supernetting)",
       "172.31.255.255"},
  };
  TypeAddress("172.16.5.4");
  for (const auto& c : kPicks) {
    PickRow(c.list, c.row);
    EXPECT_EQ(SelectedRowsSoon(c.selected), c.selected) << c.row;
    EXPECT_EQ(TextSoon(IDC_NETWORK_TEXT, c.network), c.network) << c.row;
    EXPECT_EQ(TextSoon(IDC_BROADCAST_TEXT, c.broadcast), c.broadcast) << c.row;
  }
}

struct LineCase {
  const char* address;
  const char* prefix;
  const char* network;
  const char* broadcast;
};

TEST_F(Calculator, ShortPrefixesShowSupernettingAndTheIllegalCases) {
  const LineCase kLines[] = {
      {"200.1.2.3", "22", "200.1.0.0 (supernetting)", "200.1.3.255"},
      {"130.1.2.3", "2", "128.0.0.0 (supernetting)", "191.255.255.255"},
      {"200.1.2.3", "2", "192.0.0.0 (supernetting)", "Illegal. Broadcast is all ones!"},
      {"10.1.2.3", "2", "Illegal. Not enough bits to supernet!",
       "Illegal. Not enough bits to supernet!"},
  };
  for (const auto& c : kLines) {
    ClickButton(IDC_RESET);
    ASSERT_EQ(FocusSoon(IDC_OCTET1), IDC_OCTET1);
    TypeAddress(c.address);
    PickRow(IDC_PREFIX_LIST, c.prefix);
    EXPECT_EQ(TextSoon(IDC_NETWORK_TEXT, c.network), c.network) << c.address << "/" << c.prefix;
    EXPECT_EQ(TextSoon(IDC_BROADCAST_TEXT, c.broadcast), c.broadcast)
        << c.address << "/" << c.prefix;
  }
}

TEST_F(Calculator, PromptsFollowTheFocus) {
  struct Step {
    const char* typed;
    int focus;
    const char* prompt;
  };
  const Step kSteps[] = {
      {"10", IDC_OCTET2, "Please enter a number between 0 and 255"},
      {"1", IDC_OCTET3, "Please enter a number between 0 and 255"},
      {"2", IDC_OCTET4, "Please enter a number between 1 and 254"},
      {"3", IDC_PREFIX_LIST, "Select from the pulldown menu."},
  };
  EXPECT_EQ(TextSoon(IDC_STATUS_TEXT, "Please enter a number between 1 and 223"),
            "Please enter a number between 1 and 223");
  for (int list : kLists) EXPECT_EQ(ui::ComboRowCount(Ctl(list)), 0);
  for (const auto& s : kSteps) {
    ui::TypeText(s.typed);
    ui::PressKey(VK_TAB);
    EXPECT_EQ(FocusSoon(s.focus), s.focus) << s.typed;
    EXPECT_EQ(TextSoon(IDC_STATUS_TEXT, s.prompt), s.prompt) << s.typed;
  }
}

TEST_F(Calculator, AListSendsTheFocusBackToTheFirstInvalidField) {
  ui::TypeText("10");
  Retype(IDC_OCTET4, "9");
  ui::PressKey(VK_TAB);  // the fourth field is valid, the prefix list is next
  EXPECT_EQ(FocusSoon(IDC_OCTET2), IDC_OCTET2);
  EXPECT_EQ(TextSoon(IDC_STATUS_TEXT, "Please enter a number between 0 and 255"),
            "Please enter a number between 0 and 255");

  Retype(IDC_OCTET2, "1");
  ui::ClickCenter(Ctl(IDC_MASK_LIST));
  EXPECT_EQ(FocusSoon(IDC_OCTET3), IDC_OCTET3);
  EXPECT_EQ(TextSoon(IDC_STATUS_TEXT, "Please enter a number between 0 and 255"),
            "Please enter a number between 0 and 255");
}

}  // namespace

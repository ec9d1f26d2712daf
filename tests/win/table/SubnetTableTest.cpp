// The subnet table window as a user meets it: opening it from the calculator, reading it,
// keys, help, closing it, and where it stands.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "AddressArithmetic.h"
#include "SubnetEnumeration.h"
#include "TableSteps.h"
#include "app/resource.h"

namespace {

struct TableCase {
  const char* address;
  const char* prefix;
  int32_t subnets;      // as the calculator's subnets list reads
  const char* network;  // of the classful network
  const char* mask;
};

std::vector<std::string> EngineRow(const TableCase& c, int row) {
  const auto records =
      GenerateSubnetRecords(c.subnets, ParseDottedQuad(c.network), ParseDottedQuad(c.mask));
  std::vector<std::string> cells;
  for (int column = 0; column < kColumnCount; ++column) {
    cells.push_back(SubnetCellText(records[static_cast<size_t>(row)], column));
  }
  return cells;
}

TEST_F(SubnetTableTest, ListsEverySubnetOfTheClassfulNetwork) {
  const TableCase c{"172.16.5.4", "20", 16, "172.16.0.0", "255.255.240.0"};
  HWND list = List(OpenTable(c.address, c.prefix));
  ASSERT_EQ(ui::ListRowCount(list), 16);
  EXPECT_EQ(ui::ListRow(list, 0),
            (std::vector<std::string>{"1", "172.16.0.0", "255.255.240.0", "172.16.15.255",
                                      "172.16.0.1", "172.16.15.254"}));
  EXPECT_EQ(ui::ListCell(list, 15, 1), "172.16.240.0");
  for (int row : {0, 7, 15}) EXPECT_EQ(ui::ListRow(list, row), EngineRow(c, row)) << row;
}

TEST_F(SubnetTableTest, MoreThan65535SubnetsAreWarnedOfBeforeTheTableShows) {
  const TableCase c{"10.1.2.3", "30", 4194304, "10.0.0.0", "255.255.255.252"};
  DisplaySubnets(c.address, c.prefix);
  HWND box = app_.WaitForMessageBox();
  EXPECT_EQ(ui::MessageBoxText(box), kWarning);
  EXPECT_EQ(ui::Text(box), "Velkaro");
  EXPECT_EQ(FindTable(), nullptr) << "the table showed before the warning was answered";
  ui::AnswerMessageBox(box, IDOK);

  HWND list = List(WaitForTable());
  ASSERT_EQ(ui::ListRowCount(list), 65535);
  EXPECT_EQ(ui::ListCell(list, 65534, 0), "65535");
  for (int row : {0, 32767, 65534}) EXPECT_EQ(ui::ListRow(list, row), EngineRow(c, row)) << row;
}

TEST_F(SubnetTableTest, AFewThousandSubnetsShowWithoutWarning) {
  const TableCase c{"10.1.2.3", "20", 4096, "10.0.0.0", "255.255.240.0"};
  HWND list = List(OpenTable(c.address, c.prefix));
  EXPECT_EQ(ui::FindMessageBox(app_.ThreadId()), nullptr);
  ASSERT_EQ(ui::ListRowCount(list), 4096);
  EXPECT_EQ(ui::ListRow(list, 4095), EngineRow(c, 4095));
}

TEST_F(SubnetTableTest, ColumnsAreExactlyAsWideAsTheirSampleTexts) {
  HWND list = List(OpenTable("192.168.1.10", "26"));
  ASSERT_EQ(ui::ListColumnCount(list), 6);
  const int numberWidth = StringWidthInList(list, "Number.5");
  const int addressWidth = StringWidthInList(list, "555.555.555.555.555");
  EXPECT_GT(numberWidth, 0);
  EXPECT_LT(numberWidth, addressWidth);
  EXPECT_EQ(ui::ListColumnWidth(list, 0), numberWidth);
  for (int column = 1; column < 6; ++column) {
    EXPECT_EQ(ui::ListColumnWidth(list, column), addressWidth) << column;
  }
}

TEST_F(SubnetTableTest, EscapeAndEnterLeaveTheTableOpen) {
  HWND table = OpenTable("172.16.5.4", "20");
  HWND list = List(table);
  ui::BringToFront(table);
  ui::PressKey(VK_ESCAPE);
  ui::PressKey(VK_RETURN);
  // Keys are handled in order: once End has moved the selection, the two before it were too.
  ui::PressKey(VK_END);
  ui::WaitUntil(
      [&] {
        return ::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED) == 15;
      },
      "End to reach the last row");
  EXPECT_EQ(FindTable(), table);

  // On the Save button Enter would press it.
  ui::PressKey(VK_TAB);
  ui::WaitUntil([&] { return app_.FocusId() == IDC_SAVE; }, "the focus on Save");
  ui::PressKey(VK_RETURN);
  ui::PressKey(VK_ESCAPE);
  ui::PressKey(VK_TAB);
  ui::WaitUntil([&] { return app_.FocusId() == IDC_DISPLAY; }, "the focus on Close");
  EXPECT_EQ(ui::FindTopWindow(app_.ProcessId(), "Save As"), nullptr);
  EXPECT_EQ(FindTable(), table);
}

TEST_F(SubnetTableTest, CloseReturnsToTheCalculatorAsItWas) {
  const int kFields[] = {IDC_OCTET1,     IDC_OCTET2,       IDC_OCTET3,        IDC_OCTET4,
                         IDC_CLASS_TEXT, IDC_NETWORK_TEXT, IDC_BROADCAST_TEXT};
  const int kLists[] = {IDC_PREFIX_LIST, IDC_MASK_LIST, IDC_SUBNETS_LIST, IDC_HOSTS_LIST};
  auto calculatorShows = [&] {
    std::vector<std::string> texts;
    for (int id : kFields) texts.push_back(ui::Text(calc_, id));
    for (int id : kLists) texts.push_back(ui::ComboSelectedText(ui::Control(calc_, id)));
    return texts;
  };
  DisplaySubnets("172.16.5.4", "20");
  HWND table = WaitForTable();
  const std::vector<std::string> before = calculatorShows();

  ui::ClickCenter(ui::Control(table, IDC_DISPLAY));
  ui::WaitUntil([&] { return FindTable() == nullptr; }, "the table to close");
  EXPECT_TRUE(app_.Running());
  EXPECT_EQ(calculatorShows(), before);
  EXPECT_EQ(ui::Text(calc_, IDC_NETWORK_TEXT), "172.16.0.0");
}

TEST_F(SubnetTableTest, F1OpensTheHelpAtItsContents) {
  ui::HelpSpy spy;
  HWND table = OpenTable("172.16.5.4", "20");
  ui::BringToFront(table);
  ui::PressKey(VK_F1);
  const ui::HelpRequest request = spy.WaitForRequest();
  EXPECT_EQ(request.command, static_cast<unsigned>(HELP_FINDER));
  EXPECT_NE(request.file.find(".HLP"), std::string::npos) << request.file;
  EXPECT_EQ(FindTable(), table);
}

TEST_F(SubnetTableTest, StandsCentredOverTheCalculatorInItsPicturesShape) {
  HWND table = OpenTable("172.16.5.4", "20");
  const RECT window = ui::WindowRect(table);
  EXPECT_EQ(window.right - window.left, 600);
  EXPECT_EQ(window.bottom - window.top, 350);
  const RECT calc = ui::WindowRect(calc_);
  EXPECT_NEAR((window.left + window.right) / 2, (calc.left + calc.right) / 2, 1);
  EXPECT_NEAR((window.top + window.bottom) / 2, (calc.top + calc.bottom) / 2, 1);

  // The picture's corners are outside its outline; the list and the buttons are inside.
  EXPECT_FALSE(ui::ShapeContains(table, {window.left, window.top}));
  EXPECT_FALSE(ui::ShapeContains(table, {window.right - 1, window.bottom - 1}));
  for (int id : {IDC_SUBNET_LIST, IDC_SAVE, IDC_DISPLAY}) {
    const RECT control = ui::WindowRect(ui::Control(table, id));
    EXPECT_TRUE(ui::ShapeContains(table, {control.left, control.top})) << id;
    EXPECT_TRUE(ui::ShapeContains(table, {control.right - 1, control.bottom - 1})) << id;
  }
}

}  // namespace

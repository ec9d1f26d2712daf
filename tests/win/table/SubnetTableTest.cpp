// The subnet table window as a user meets it: opening it from the calculator, reading it,
// keys, help, closing it, and where it stands.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

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

using Row = std::vector<std::string>;

struct CountCase {
  const char* name;
  const char* address;
  const char* prefix;
  int rows;
  Row last;
};

std::string CaseName(const testing::TestParamInfo<CountCase>& info) {
  return info.param.name;
}

// What the test lists show of a case: the address and prefix the user picks.
void PrintTo(const CountCase& c, std::ostream* out) {
  *out << c.address << "/" << c.prefix;
}

// 65536 subnets is the first count above the cap; 4194304 the most the calculator offers.
const CountCase kCapped[] = {
    {"ClassAPrefix24",
     "10.1.2.3",
     "24",
     65535,
     {"65535", "10.255.254.0", "255.255.255.0", "10.255.254.255", "10.255.254.1",
      "10.255.254.254"}},
    {"ClassAPrefix30",
     "10.1.2.3",
     "30",
     65535,
     {"65535", "10.3.255.248", "255.255.255.252", "10.3.255.251", "10.3.255.249", "10.3.255.250"}},
};

class CappedTable : public SubnetTableTest, public testing::WithParamInterface<CountCase> {};

TEST_P(CappedTable, IsWarnedOfBeforeItShowsAndListsTheFirst65535Subnets) {
  const CountCase& c = GetParam();
  DisplaySubnets(c.address, c.prefix);
  HWND box = app_.WaitForMessageBox();
  EXPECT_EQ(ui::MessageBoxText(box), kWarning);
  EXPECT_EQ(ui::Text(box), "Velkaro");
  EXPECT_EQ(FindTable(), nullptr) << "the table showed before the warning was answered";
  ui::AnswerMessageBox(box, IDOK);

  HWND list = List(WaitForTable());
  ASSERT_EQ(ui::ListRowCount(list), c.rows);
  EXPECT_EQ(ui::ListRow(list, c.rows - 1), c.last);
}

INSTANTIATE_TEST_SUITE_P(Counts, CappedTable, testing::ValuesIn(kCapped), CaseName);

// The two largest counts below the cap that the lists offer: 2^15 in class A, 2^14 in B.
const CountCase kUncapped[] = {
    {"ClassAPrefix23",
     "10.1.2.3",
     "23",
     32768,
     {"32768", "10.255.254.0", "255.255.254.0", "10.255.255.255", "10.255.254.1",
      "10.255.255.254"}},
    {"ClassBPrefix30",
     "172.16.5.4",
     "30",
     16384,
     {"16384", "172.16.255.252", "255.255.255.252", "172.16.255.255", "172.16.255.253",
      "172.16.255.254"}},
};

class UncappedTable : public SubnetTableTest, public testing::WithParamInterface<CountCase> {};

TEST_P(UncappedTable, ShowsEverySubnetWithoutWarning) {
  const CountCase& c = GetParam();
  HWND list = List(OpenTable(c.address, c.prefix));
  EXPECT_EQ(ui::FindMessageBox(app_.ThreadId()), nullptr);
  ASSERT_EQ(ui::ListRowCount(list), c.rows);
  EXPECT_EQ(ui::ListRow(list, c.rows - 1), c.last);
}

INSTANTIATE_TEST_SUITE_P(Counts, UncappedTable, testing::ValuesIn(kUncapped), CaseName);

TEST_F(SubnetTableTest, TheListIsAGriddedFullRowReportUnderSixLeftAlignedHeadings) {
  HWND table = OpenTable("192.168.1.10", "26");
  HWND list = List(table);
  Row headings;
  for (const ColumnHeading& heading : ListHeadings(list)) {
    headings.push_back(heading.text);
    EXPECT_EQ(heading.format & HDF_JUSTIFYMASK, HDF_LEFT) << heading.text;
  }
  EXPECT_EQ(headings,
            (Row{"Number", "Network", "Subnet mask", "Broadcast", "First Host", "Last Host"}));
  EXPECT_EQ(::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
            LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);

  // Its place in the table's client area, borders included.
  const RECT at = ui::WindowRect(list);
  POINT topLeft{at.left, at.top};
  ::ScreenToClient(table, &topLeft);
  EXPECT_EQ(topLeft.x, 40);
  EXPECT_EQ(topLeft.y, 40);
  EXPECT_EQ(at.right - at.left, 520);
  EXPECT_EQ(at.bottom - at.top, 240);
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

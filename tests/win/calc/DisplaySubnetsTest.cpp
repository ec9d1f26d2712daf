// "Display subnets": one network in a summary box, several in the subnet table.
#include "CalculatorFixture.h"

namespace {

struct SummaryCase {
  const char* address;
  const char* prefix;
  const char* values[6];  // after each label of the summary
};

const SummaryCase kSummaries[] = {
    {"192.168.1.10",
     "24",
     {"192.168.1.0", "255.255.255.0", "192.168.1.255", "254", "192.168.1.1", "192.168.1.254"}},
    {"172.16.5.4",
     "16",
     {"172.16.0.0", "255.255.0.0", "172.16.255.255", "65534", "172.16.0.1", "172.16.255.254"}},
    {"10.1.2.3",
     "8",
     {"10.0.0.0", "255.0.0.0", "10.255.255.255", "16777214", "10.0.0.1", "10.255.255.254"}},
    {"200.1.2.3",
     "22",
     {"200.1.0.0", "255.255.252.0", "200.1.3.255", "1022", "200.1.0.1", "200.1.3.254"}},
    {"200.1.2.3",
     "3",
     {"192.0.0.0", "224.0.0.0", "223.255.255.255", "536870910", "192.0.0.1", "223.255.255.254"}},
    {"200.1.2.3", "2", {"192.0.0.0", "192.0.0.0", "Illegal", "Illegal", "Illegal", "Illegal"}},
    {"10.1.2.3", "2", {"Illegal", "192.0.0.0", "Illegal", "Illegal", "Illegal", "Illegal"}},
};

std::string Summary(const char* const (&values)[6]) {
  const char* const kLabels[] = {"Subnet Addr:\t",        "Subnet Mask:\t",
                                 "Broadcast:\t",          "Number of hosts:\t",
                                 "First host address:\t", "Last host address:\t"};
  std::string text;
  for (int i = 0; i < 6; ++i) text += std::string(i ? "\r\n" : "") + kLabels[i] + values[i];
  return text;
}

TEST_F(Calculator, OneNetworkIsSummarisedInAMessageBox) {
  for (const auto& c : kSummaries) {
    const std::string what = std::string(c.address) + "/" + c.prefix;
    ClickButton(IDC_RESET);
    ASSERT_EQ(FocusSoon(IDC_OCTET1), IDC_OCTET1);
    TypeAddress(c.address);
    PickRow(IDC_PREFIX_LIST, c.prefix);
    ASSERT_EQ(SelectedSoon(IDC_SUBNETS_LIST, "1"), "1") << what;
    ClickButton(IDC_DISPLAY);
    HWND box = WaitForBox();
    EXPECT_EQ(ui::MessageBoxText(box), Summary(c.values)) << what;
    EXPECT_EQ(ui::MessageBoxIcon(box), ui::BoxIcon::Information) << what;
    EXPECT_EQ(ui::Text(box), "Velkaro") << what;
    ui::AnswerMessageBox(box, IDOK);
  }
}

TEST_F(Calculator, SeveralSubnetsOpenTheSubnetTable) {
  TypeAddress("172.16.5.4");
  PickRow(IDC_PREFIX_LIST, "20");
  ClickButton(IDC_DISPLAY);
  HWND table = app_.WaitForWindow("Velkaro - Subnet display", "#32770");
  HWND list = ui::Control(table, IDC_SUBNET_LIST);
  EXPECT_EQ(ui::ListRowCount(list), 16);
  EXPECT_EQ(ui::ListCell(list, 0, 1), "172.16.0.0");
  EXPECT_EQ(ui::ListCell(list, 0, 2), "255.255.240.0");
  EXPECT_EQ(ui::ListCell(list, 15, 1), "172.16.240.0");
  EXPECT_FALSE(BoxShown());
}

TEST_F(Calculator, NothingIsDisplayedWhileAFieldIsEmpty) {
  ui::TypeText("172.16.5.");
  ASSERT_EQ(FocusSoon(IDC_OCTET4), IDC_OCTET4);
  ClickButton(IDC_DISPLAY);
  // A box or a window would have kept the click and the key from the field.
  ui::Click(Ctl(IDC_OCTET4), {10, 12});
  ASSERT_EQ(FocusSoon(IDC_OCTET4), IDC_OCTET4);
  ui::TypeText("4");
  ASSERT_EQ(TextSoon(IDC_OCTET4, "4"), "4");
  EXPECT_FALSE(BoxShown());
  EXPECT_EQ(FindWindowA("#32770", "Velkaro - Subnet display"), nullptr);
  EXPECT_EQ(ui::Text(dlg_, IDC_NETWORK_TEXT), "0.0.0.0");
  EXPECT_EQ(ui::Text(dlg_, IDC_BROADCAST_TEXT), "0.0.0.0");
}

}  // namespace

// The window's own commands: exit, reset, hide, and the keys that must not end it.
#include "CalculatorFixture.h"

namespace {

const char kQuestion[] = "This will terminate this program.\nAre you sure you want to quit?";

TEST_F(Calculator, EscapeDoesNothingOnAList) {
  TypeAddress("172.16.5.4");
  ui::PressKey(VK_ESCAPE);
  ui::PressKey(VK_DOWN);  // shows that the key before it has been handled
  EXPECT_EQ(SelectedSoon(IDC_PREFIX_LIST, "17"), "17");
  EXPECT_TRUE(app_.Running());
  EXPECT_FALSE(BoxShown());
}

TEST_F(Calculator, EnterOnAClosedListEndsTheProgramWithoutAsking) {
  TypeAddress("172.16.5.4");
  ui::PressKey(VK_RETURN);
  app_.WaitForExit();
}

TEST_F(Calculator, ExitAsksAndCancelSendsTheUserToTheFirstInvalidField) {
  ui::TypeText("10.");
  ASSERT_EQ(FocusSoon(IDC_OCTET2), IDC_OCTET2);
  ClickButton(IDC_EXIT);
  HWND box = WaitForBox();
  EXPECT_EQ(ui::MessageBoxText(box), kQuestion);
  EXPECT_EQ(ui::Text(box), "Velkaro");
  EXPECT_EQ(ui::MessageBoxIcon(box), ui::BoxIcon::Question);
  EXPECT_EQ(ui::Text(box, IDOK), "OK");
  EXPECT_EQ(ui::Text(box, IDCANCEL), "Cancel");
  ui::AnswerMessageBox(box, IDCANCEL);
  EXPECT_EQ(FocusSoon(IDC_OCTET2), IDC_OCTET2);
  EXPECT_EQ(TextSoon(IDC_STATUS_TEXT, "Please enter a number between 0 and 255"),
            "Please enter a number between 0 and 255");
  EXPECT_TRUE(app_.Running());

  ClickButton(IDC_EXIT);
  ui::AnswerMessageBox(WaitForBox(), IDOK);
  app_.WaitForExit();
}

TEST_F(Calculator, ResetEmptiesFieldsAndListsButKeepsTheLines) {
  TypeAddress("172.16.5.4");
  ASSERT_EQ(TextSoon(IDC_BROADCAST_TEXT, "172.16.255.255"), "172.16.255.255");
  ClickButton(IDC_RESET);
  EXPECT_EQ(FocusSoon(IDC_OCTET1), IDC_OCTET1);
  EXPECT_EQ(TextSoon(IDC_STATUS_TEXT, "Please enter a number between 1 and 223"),
            "Please enter a number between 1 and 223");
  for (int field : kFields) EXPECT_EQ(ui::Text(dlg_, field), "") << field;
  for (int list : kLists) EXPECT_EQ(ui::ComboRowCount(Ctl(list)), 0) << list;
  EXPECT_EQ(ui::Text(dlg_, IDC_CLASS_TEXT), "Class B Address");
  EXPECT_EQ(ui::Text(dlg_, IDC_NETWORK_TEXT), "172.16.0.0");
  EXPECT_EQ(ui::Text(dlg_, IDC_BROADCAST_TEXT), "172.16.255.255");

  // The same class again fills the lists again.
  ui::TypeText("172.");
  EXPECT_EQ(SelectedSoon(IDC_PREFIX_LIST, "16"), "16");
}

TEST_F(Calculator, HideMinimisesAndRestoringShowsTheSameContents) {
  TypeAddress("172.16.5.4");
  PickRow(IDC_PREFIX_LIST, "20");
  ASSERT_EQ(TextSoon(IDC_BROADCAST_TEXT, "172.16.15.255"), "172.16.15.255");
  const RECT before = ui::WindowRect(dlg_);

  ClickButton(IDC_HIDE);
  EXPECT_TRUE(ui::PollUntil([&] { return IsIconic(dlg_) != FALSE; }));
  // The task bar's part: restore the window.
  ShowWindow(dlg_, SW_RESTORE);
  ASSERT_TRUE(ui::PollUntil([&] { return !IsIconic(dlg_); }));

  const RECT after = ui::WindowRect(dlg_);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(ui::Text(dlg_, IDC_OCTET3), "5");
  EXPECT_EQ(ui::Text(dlg_, IDC_BROADCAST_TEXT), "172.16.15.255");
  EXPECT_EQ(ui::ComboSelectedText(Ctl(IDC_HOSTS_LIST)), "4094");
  EXPECT_EQ(ui::Text(dlg_), "Velkaro");
}

TEST_F(Calculator, F1AsksForTheHelpContentsAndChangesNothing) {
  ui::HelpSpy spy;
  ui::TypeText("10");
  ui::PressKey(VK_F1);
  const ui::HelpRequest request = spy.WaitForRequest();
  EXPECT_EQ(request.command, static_cast<unsigned>(HELP_FINDER));
  std::string want = ui::PathFromEnvironment();
  want = want.substr(0, want.find_last_of('.')) + ".HLP";
  EXPECT_STRCASEEQ(request.file.c_str(), want.c_str());

  ui::TypeText("1");  // the field still has the focus and takes keys
  EXPECT_EQ(TextSoon(IDC_OCTET1, "101"), "101");
  EXPECT_FALSE(BoxShown());
}

}  // namespace

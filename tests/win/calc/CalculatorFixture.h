// The calculator as a user meets it: the real program, started afresh for every test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiDriver.h"
#include "app/resource.h"

class Calculator : public testing::Test {
 protected:
  // The program is in front with the focus in the first field.
  void SetUp() override;

  HWND Ctl(int id) const { return ui::Control(dlg_, id); }

  // Waits until the control, the focus or a list's selected row is as wanted; gives what it
  // was last, for the test to compare and report.
  std::string TextSoon(int id, const std::string& want) const;
  int FocusSoon(int id) const;
  std::string SelectedSoon(int listId, const std::string& want) const;

  // Types the four octets with a dot after each: the last dot leaves the fourth field for
  // the prefix list.
  void TypeAddress(const std::string& address) const;
  // Replaces a field's text by clicking into it and typing over it.
  void Retype(int fieldId, const std::string& text) const;
  // Opens the list with a click and clicks the row with this text.
  void PickRow(int listId, const std::string& text) const;
  // Clicks a button and waits until it has let go of the mouse, so that the next click goes
  // where it is aimed.
  void ClickButton(int id) const;

  // The selected rows of the prefix, mask, subnets and hosts lists, once they read `want`.
  std::vector<std::string> SelectedRowsSoon(const std::vector<std::string>& want) const;

  // The message box the program shows next.
  HWND WaitForBox() const { return app_.WaitForMessageBox(); }
  bool BoxShown() const { return ui::FindMessageBox(app_.ThreadId()) != nullptr; }

  ui::App app_{ui::PathFromEnvironment()};
  HWND dlg_ = app_.WaitForWindow("Velkaro", "#32770");

 private:
  mutable int clicks_ = 0;
};

inline constexpr int kLists[] = {IDC_PREFIX_LIST, IDC_MASK_LIST, IDC_SUBNETS_LIST, IDC_HOSTS_LIST};
inline constexpr int kFields[] = {IDC_OCTET1, IDC_OCTET2, IDC_OCTET3, IDC_OCTET4};

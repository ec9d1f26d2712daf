// The steps a user takes to reach the subnet table and to save it, over the real program.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExportFormats.h"
#include "UiDriver.h"

inline constexpr char kTableTitle[] = "Velkaro - Subnet display";
inline constexpr char kDialogClass[] = "#32770";
inline constexpr char kWarning[] = "Warning. Only the first 65535 subnets will be calculated!";

// The file types of the Save As dialog, as listed.
enum FileType { kTextFiles = 1, kCsvFiles = 2 };

class SubnetTableTest : public testing::Test {
 protected:
  // Types the address into the four octet fields, picks the prefix and asks for the subnets.
  void DisplaySubnets(const std::string& address, const std::string& prefix);
  // As DisplaySubnets, and waits for the table (answering no message box).
  HWND OpenTable(const std::string& address, const std::string& prefix);
  HWND WaitForTable() const { return app_.WaitForWindow(kTableTitle, kDialogClass); }
  HWND FindTable() const { return ui::FindTopWindow(app_.ProcessId(), kTableTitle, kDialogClass); }
  HWND List(HWND table) const;

  // Clicks "&Save" and gives the Save As dialog.
  HWND ClickSave(HWND table) const;
  // In the Save As dialog: picks the file type, types the name and clicks its Save button.
  void ChooseFile(HWND saveAs, const std::string& path, FileType type) const;
  // Both, then waits until the save is over and the table has the focus again.
  void SaveAs(HWND table, const std::string& path, FileType type) const;

  // Waits until the program is idle again after a command (the table or calculator answers).
  void WaitUntilIdle(HWND window) const;

  ui::App app_{ui::PathFromEnvironment()};
  HWND calc_ = app_.WaitForWindow("Velkaro", kDialogClass);
};

// The bytes the program should write for the table of this address and prefix.
std::string ExpectedFile(int32_t count, uint32_t network, uint32_t mask, ExportFormat format);

// The pixel width of text in the list's font, measured by the list itself.
int StringWidthInList(HWND list, const std::string& text);

// A column heading as the list's header control holds it.
struct ColumnHeading {
  std::string text;
  int format;  // HDF_LEFT, HDF_RIGHT or HDF_CENTER among other flags
};
std::vector<ColumnHeading> ListHeadings(HWND list);

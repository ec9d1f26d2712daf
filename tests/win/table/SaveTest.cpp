// Saving the table as a user does: through the real Save As dialog, into real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "AddressArithmetic.h"
#include "TableSteps.h"
#include "app/resource.h"

namespace {

const char kReplaceQuestion[] = "File already exists.\nDo you want to replace it?";

// 172.16.5.4 with prefix 20: sixteen subnets.
std::string SixteenSubnets(ExportFormat format) {
  return ExpectedFile(16, ParseDottedQuad("172.16.0.0"), ParseDottedQuad("255.255.240.0"), format);
}

std::vector<std::string> FilesIn(const ui::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The progress window's text, read without a message: its thread is busy writing.
std::string ProgressText(HWND status) {
  return ui::TextWithoutMessage(::GetDlgItem(status, IDC_PROGRESS_TEXT));
}

HWND FindProgress(const ui::App& app) {
  return ui::FindTopWindow(app.ProcessId(), "Status", kDialogClass);
}

struct SaveCase {
  const char* typed;
  FileType type;
  const char* written;
  ExportFormat format;
};

TEST_F(SubnetTableTest, TheNameOrElseTheFileTypeChoosesTheFormat) {
  const SaveCase kCases[] = {
      {"subnets", kTextFiles, "subnets.txt", ExportFormat::Text},
      {"subnets", kCsvFiles, "subnets.csv", ExportFormat::Csv},
      {"subnets.TxT", kCsvFiles, "subnets.TxT", ExportFormat::Text},
      {"subnets.dat", kTextFiles, "subnets.dat", ExportFormat::Csv},
      {"subnets.", kTextFiles, "subnets..txt", ExportFormat::Text},
  };
  HWND table = OpenTable("172.16.5.4", "20");
  for (const SaveCase& c : kCases) {
    ui::TempDir dir;
    SaveAs(table, dir.File(c.typed), c.type);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{c.written}) << c.typed;
    EXPECT_EQ(ui::ReadFileBytes(dir.File(c.written)), SixteenSubnets(c.format)) << c.typed;
    EXPECT_EQ(ui::FindMessageBox(app_.ThreadId()), nullptr) << c.typed;
    EXPECT_EQ(FindTable(), table);
  }
}

TEST_F(SubnetTableTest, AFullTableIsSavedWhileTheProgressWindowCountsItsRows) {
  DisplaySubnets("10.1.2.3", "30");
  ui::AnswerMessageBox(app_.WaitForMessageBox(), IDOK);
  HWND table = WaitForTable();
  ui::TempDir dir;

  ChooseFile(ClickSave(table), dir.File("full.csv"), kCsvFiles);
  HWND status = ui::WaitFor([&] { return FindProgress(app_); }, "the progress window");
  // It stands at the top-left corner of the table's client area.
  const RECT at = ui::ClientRectOnScreen(status);
  const RECT corner = ui::ClientRectOnScreen(table);
  EXPECT_EQ(at.left, corner.left);
  EXPECT_EQ(at.top, corner.top);
  const std::regex counting("Processed [0-9]+ of 65535 records\\.");
  std::string text;
  ui::WaitUntil([&] { return std::regex_match(text = ProgressText(status), counting); },
                "the progress text to count");
  ui::WaitUntil([&] { return FindProgress(app_) == nullptr; }, "the progress window to go",
                ui::Ms(60000));
  WaitUntilIdle(table);

  const std::string bytes = ui::ReadFileBytes(dir.File("full.csv"));
  const std::string lastLine =
      "65535,10.3.255.248,255.255.255.252,10.3.255.251,10.3.255.249,10.3.255.250\r\n";
  ASSERT_GE(bytes.size(), lastLine.size());
  EXPECT_EQ(bytes.substr(bytes.size() - lastLine.size()), lastLine);
  EXPECT_EQ(bytes, ExpectedFile(4194304, ParseDottedQuad("10.0.0.0"),
                                ParseDottedQuad("255.255.255.252"), ExportFormat::Csv));
  EXPECT_FALSE(::IsWindow(status));
  EXPECT_EQ(ui::FindMessageBox(app_.ThreadId()), nullptr);
}

TEST_F(SubnetTableTest, TheSaveAsDialogOffersTextThenCsvFilesWithoutAReadOnlyBox) {
  HWND table = OpenTable("172.16.5.4", "20");
  HWND saveAs = ClickSave(table);
  HWND types = ui::Control(saveAs, cmb1);
  EXPECT_EQ(ui::ComboRows(types),
            (std::vector<std::string>{"Text files (*.txt)", "CSV (Excel) files (*.csv)"}));
  EXPECT_EQ(ui::ComboSelection(types), kTextFiles - 1);
  // Wine hides this box in every Save As dialog; Windows shows it unless told not to.
  HWND readOnly = ::GetDlgItem(saveAs, chx1);
  EXPECT_TRUE(readOnly == nullptr || !::IsWindowVisible(readOnly));
  EXPECT_EQ(::GetWindow(saveAs, GW_OWNER), table);
  ui::ClickCenter(ui::Control(saveAs, IDCANCEL));
  ui::WaitUntil([&] { return !::IsWindow(saveAs); }, "the Save As dialog to close");
}

TEST_F(SubnetTableTest, CancellingTheSaveAsDialogWritesNothing) {
  HWND table = OpenTable("172.16.5.4", "20");
  ui::TempDir dir;
  HWND saveAs = ClickSave(table);
  ui::ClickCenter(ui::Control(saveAs, IDCANCEL));
  ui::WaitUntil([&] { return !::IsWindow(saveAs); }, "the Save As dialog to close");
  WaitUntilIdle(table);
  EXPECT_TRUE(FilesIn(dir).empty());
  EXPECT_EQ(ui::FindMessageBox(app_.ThreadId()), nullptr);
  EXPECT_EQ(FindTable(), table);
}

TEST_F(SubnetTableTest, AFileInUseCannotBeOpenedAndKeepsItsContents) {
  HWND table = OpenTable("172.16.5.4", "20");
  ui::TempDir dir;
  const std::string path = dir.File("subnets.txt");
  WriteFile(path, "keep");
  // Another program holds the file open and shares it with nobody.
  HANDLE held = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);

  ChooseFile(ClickSave(table), path, kTextFiles);
  ui::AnswerMessageBox(app_.WaitForMessageBox(), IDYES);  // the dialog's own question
  HWND box = app_.WaitForMessageBox();
  EXPECT_EQ(ui::MessageBoxText(box), "File could not be opened!");
  EXPECT_EQ(ui::Text(box), "Velkaro");
  EXPECT_EQ(FindProgress(app_), nullptr);
  ui::AnswerMessageBox(box, IDOK);
  WaitUntilIdle(table);

  EXPECT_EQ(ui::FindMessageBox(app_.ThreadId()), nullptr);
  EXPECT_EQ(FindTable(), table);
  ::CloseHandle(held);
  EXPECT_EQ(ui::ReadFileBytes(path), "keep");
}

TEST_F(SubnetTableTest, AWriteThatFailsIsReportedAndTheProgressWindowGoes) {
  HWND table = OpenTable("172.16.5.4", "20");
  // A name in a folder of the build that leads to a device that is always full.
  ChooseFile(ClickSave(table), VELKARO_FULL_DEVICE, kTextFiles);
  HWND box = app_.WaitForMessageBox();
  // Whether the device counts as an existing file is the system's affair; if it does, the
  // dialog asks first.
  if (ui::MessageBoxText(box) == kReplaceQuestion) {
    ui::AnswerMessageBox(box, IDYES);
    box = app_.WaitForMessageBox();
  }
  EXPECT_EQ(ui::MessageBoxText(box), "File could not be written completely!");
  EXPECT_EQ(ui::Text(box), "Velkaro");
  EXPECT_EQ(FindProgress(app_), nullptr);
  ui::AnswerMessageBox(box, IDOK);
  WaitUntilIdle(table);
  EXPECT_EQ(FindTable(), table);

  // The table saves normally afterwards.
  ui::TempDir dir;
  SaveAs(table, dir.File("after.txt"), kTextFiles);
  EXPECT_EQ(ui::ReadFileBytes(dir.File("after.txt")), SixteenSubnets(ExportFormat::Text));
}

TEST_F(SubnetTableTest, ACompletedNameThatExistsIsConfirmedInTheDialogsOwnWords) {
  HWND table = OpenTable("172.16.5.4", "20");
  ui::TempDir dir;
  WriteFile(dir.File("subnets.txt"), "keep");

  // The dialog asks about the name as typed...
  HWND saveAs = ClickSave(table);
  ChooseFile(saveAs, dir.File("subnets.txt"), kTextFiles);
  HWND dialogsBox = app_.WaitForMessageBox();
  const std::string dialogsWords = ui::MessageBoxText(dialogsBox);
  const ui::BoxIcon dialogsIcon = ui::MessageBoxIcon(dialogsBox);
  EXPECT_EQ(dialogsWords, kReplaceQuestion);
  ui::AnswerMessageBox(dialogsBox, IDNO);

  // ...and the program about the name it completed, in the same words and with the same
  // buttons; declining writes nothing.
  ChooseFile(saveAs, dir.File("subnets"), kTextFiles);
  HWND box = app_.WaitForMessageBox();
  EXPECT_EQ(ui::MessageBoxText(box), dialogsWords);
  EXPECT_EQ(ui::Text(box), "Velkaro");
  EXPECT_NE(ui::MessageBoxIcon(box), ui::BoxIcon::None);
  EXPECT_EQ(ui::MessageBoxIcon(box), dialogsIcon);
  EXPECT_NE(::GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(::GetDlgItem(box, IDNO), nullptr);
  ui::AnswerMessageBox(box, IDNO);
  WaitUntilIdle(table);
  EXPECT_EQ(ui::ReadFileBytes(dir.File("subnets.txt")), "keep");
  EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"subnets.txt"});

  // Agreeing replaces it.
  ChooseFile(ClickSave(table), dir.File("subnets"), kTextFiles);
  ui::AnswerMessageBox(app_.WaitForMessageBox(), IDYES);
  WaitUntilIdle(table);
  EXPECT_EQ(ui::ReadFileBytes(dir.File("subnets.txt")), SixteenSubnets(ExportFormat::Text));
}

}  // namespace

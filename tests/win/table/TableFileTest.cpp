// Writing a table file with the progress window, when the file takes every line and when it
// fails part-way; and the table's answers to display requests of both character widths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AddressArithmetic.h"
#include "SubnetTableDlg.h"
#include "TableFile.h"
#include "app/resource.h"

namespace {

// The progress window of this process as it stands: its text, or "" when none shows.
std::string ProgressShown() {
  HWND status = ::FindWindowA("#32770", "Status");
  if (status == nullptr || !::IsWindowVisible(status)) return "";
  char text[128] = {};
  ::GetDlgItemTextA(status, IDC_PROGRESS_TEXT, text, sizeof text);
  return text;
}

// A file that takes lines until the given one fails, and notes what the progress window
// showed at each write and when it was finished.
class ScriptedFile : public ExportFile {
 public:
  ScriptedFile(int failingWrite, bool finishFails)
      : m_failingWrite(failingWrite), m_finishFails(finishFails) {}
  bool Write(const char*, std::size_t) override {
    seen.push_back(ProgressShown());
    return static_cast<int>(seen.size()) != m_failingWrite;
  }
  bool Finish() override {
    ++finished;
    seenAtFinish = ProgressShown();
    return !m_finishFails;
  }
  std::vector<std::string> seen;
  std::string seenAtFinish;
  int finished = 0;

 private:
  int m_failingWrite;
  bool m_finishFails;
};

struct WriteCase {
  const char* what;
  int failingWrite;  // 1 is the header; 0: none fails
  bool finishFails;
  bool complete;
  std::vector<std::string> seen;
};

TEST(TableFile, CountsTheRowsAndTakesTheProgressDownOnEveryPath) {
  const std::string p1 = "Processed 1 of 4 records.", p2 = "Processed 2 of 4 records.",
                    p3 = "Processed 3 of 4 records.";
  const WriteCase kCases[] = {
      {"all written", 0, false, true, {"", "Status", p1, p2, p3}},
      {"header fails", 1, false, false, {""}},
      {"third row fails", 4, false, false, {"", "Status", p1, p2}},
      {"flush or close fails", 0, true, false, {"", "Status", p1, p2, p3}},
  };
  const auto records =
      GenerateSubnetRecords(4, ParseDottedQuad("192.168.1.64"), ParseDottedQuad("255.255.255.192"));
  for (const WriteCase& c : kCases) {
    ScriptedFile file(c.failingWrite, c.finishFails);
    EXPECT_EQ(WriteTableFile(records, ExportFormat::Text, file, nullptr), c.complete) << c.what;
    EXPECT_EQ(file.seen, c.seen) << c.what;
    EXPECT_EQ(file.finished, 1) << c.what << ": the file must be closed";
    EXPECT_EQ(ProgressShown(), "") << c.what << ": the progress window stayed";
    EXPECT_EQ(::FindWindowA("#32770", "Status"), nullptr) << c.what;
  }
  ScriptedFile file(0, false);
  WriteTableFile(records, ExportFormat::Csv, file, nullptr);
  EXPECT_EQ(file.seenAtFinish, "Processed 4 of 4 records.") << "closed before the window goes";
}

TEST(TableFile, WithoutAProgressWindowStillWritesEveryLine) {
  // An owner that is gone: the progress window cannot be made.
  HWND gone =
      ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(gone, nullptr);
  ::DestroyWindow(gone);
  const auto records =
      GenerateSubnetRecords(4, ParseDottedQuad("192.168.1.64"), ParseDottedQuad("255.255.255.192"));
  ScriptedFile file(0, false);
  EXPECT_TRUE(WriteTableFile(records, ExportFormat::Text, file, CWnd::FromHandle(gone)));
  EXPECT_EQ(file.seen, std::vector<std::string>(5, ""));
  EXPECT_EQ(file.finished, 1);
  EXPECT_EQ(::FindWindowA("#32770", "Status"), nullptr);
}

// A table of four subnets, open in this process.
class OpenTable : public testing::Test {
 protected:
  void SetUp() override {
    m_dlg.m_nSubnetCount = 4;
    m_dlg.m_dwNetwork = ParseDottedQuad("192.168.1.64");
    m_dlg.m_dwMask = ParseDottedQuad("255.255.255.192");
    ASSERT_TRUE(m_dlg.Create(IDD_SUBNET_TABLE));
  }

  // The notification's result is not checked: the library zeroes it before any handler runs.
  template <class Info>
  void Ask(Info& info, UINT code) {
    info.hdr.hwndFrom = ::GetDlgItem(m_dlg, IDC_SUBNET_LIST);
    info.hdr.idFrom = IDC_SUBNET_LIST;
    info.hdr.code = code;
    ::SendMessageA(m_dlg, WM_NOTIFY, IDC_SUBNET_LIST, reinterpret_cast<LPARAM>(&info));
  }

  CSubnetTableDlg m_dlg;
};

struct CellCase {
  UINT mask;
  int row;
  int column;
  const char* want;  // null: nothing filled in
};
const CellCase kCells[] = {
    {LVIF_TEXT, 0, 1, "192.168.1.0"},     {LVIF_TEXT | LVIF_IMAGE, 3, 0, "4"},
    {LVIF_TEXT, 0, 2, "255.255.255.192"},  // mask before broadcast
    {LVIF_TEXT, 0, 3, "192.168.1.63"},    {LVIF_IMAGE | LVIF_STATE, 0, 1, nullptr},
    {LVIF_TEXT, 4, 1, nullptr},  // past the last row
    {LVIF_TEXT, -1, 1, nullptr},
};

TEST_F(OpenTable, AnswersSingleByteRequestsWithTheCellText) {
  char untouched[] = "untouched";
  for (const CellCase& c : kCells) {
    NMLVDISPINFOA info{};
    info.item.mask = c.mask;
    info.item.iItem = c.row;
    info.item.iSubItem = c.column;
    info.item.pszText = untouched;
    info.item.iImage = 7;
    info.item.iIndent = 3;
    Ask(info, LVN_GETDISPINFOA);
    EXPECT_STREQ(info.item.pszText, c.want ? c.want : untouched) << c.row << "," << c.column;
    EXPECT_EQ(info.item.iImage, 7) << "an image was supplied";
    EXPECT_EQ(info.item.iIndent, 3) << "an indent was supplied";
  }
}

TEST_F(OpenTable, AnswersWideRequestsWithTheSameTextInWideCharacters) {
  wchar_t untouched[] = L"untouched";
  for (const CellCase& c : kCells) {
    NMLVDISPINFOW info{};
    info.item.mask = c.mask;
    info.item.iItem = c.row;
    info.item.iSubItem = c.column;
    info.item.pszText = untouched;
    Ask(info, LVN_GETDISPINFOW);
    const std::wstring want = c.want ? std::wstring(c.want, c.want + strlen(c.want)) : untouched;
    EXPECT_EQ(std::wstring(info.item.pszText), want) << c.row << "," << c.column;
  }
}

}  // namespace

// Proves the driver on real windows: a small plain dialog, driven from this process.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "UiDriver.h"
#include "target/TargetIds.h"

namespace {

// The target is built next to this test.
std::string TargetPath() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string exe(path, length);
  return exe.substr(0, exe.find_last_of('\\') + 1) + "uidriver_target.exe";
}

class Driver : public testing::Test {
 protected:
  void SetUp() override { ui::BringToFront(dlg_); }

  HWND Ctl(int id) const { return ui::Control(dlg_, id); }
  std::string TextSoon(int id, const std::string& want) const {
    return ui::Eventually([&] { return ui::Text(dlg_, id); }, want);
  }
  int FocusSoon(int want) const {
    return ui::Eventually([&] { return app_.FocusId(); }, want);
  }
  // Empties the field by typing over its whole text.
  void Retype(int id, const std::string& text) const {
    ui::ClickCenter(Ctl(id));
    ui::PressKey(VK_HOME);
    ui::PressKey(VK_END, true);
    ui::TypeText(text);
  }

  ui::App app_{TargetPath()};
  HWND dlg_ = app_.WaitForWindow(target::kTitle, "#32770");
};

TEST_F(Driver, TypedCharactersReachTheFocusedField) {
  ASSERT_EQ(FocusSoon(IDC_FIRST), IDC_FIRST);
  ui::TypeText("192.168.1.10");
  EXPECT_EQ(TextSoon(IDC_FIRST, "192.168.1.10"), "192.168.1.10");
  EXPECT_EQ(ui::Text(dlg_, IDC_SECOND), "");
}

TEST_F(Driver, TabAndShiftTabWalkTheTabOrder) {
  struct Step {
    bool shift;
    int focus;
  };
  const Step kSteps[] = {
      {false, IDC_SECOND}, {false, IDC_CHOICE}, {false, IDC_ASK}, {true, IDC_CHOICE},
      {true, IDC_SECOND},  {true, IDC_FIRST},   {true, IDC_ROWS},  // wraps to the last
      {false, IDC_FIRST},
  };
  ASSERT_EQ(FocusSoon(IDC_FIRST), IDC_FIRST);
  for (const auto& step : kSteps) {
    ui::PressKey(VK_TAB, step.shift);
    EXPECT_EQ(FocusSoon(step.focus), step.focus) << (step.shift ? "Shift+Tab" : "Tab");
  }
}

TEST_F(Driver, ComboRowsReadBackInTheirOrder) {
  const std::vector<std::string> want(std::begin(target::kChoices), std::end(target::kChoices));
  EXPECT_EQ(ui::ComboRows(Ctl(IDC_CHOICE)), want);
  EXPECT_EQ(ui::ComboSelection(Ctl(IDC_CHOICE)), CB_ERR);
  EXPECT_EQ(ui::ComboRowOf(Ctl(IDC_CHOICE), "gamma"), 2);
}

// Each pick walks down from nothing, then back up, then down again.
const int kPicks[] = {3, 1, 4, 0};

TEST_F(Driver, PickingComboRowsWithKeysSelectsThem) {
  ui::PressKey(VK_TAB);
  ui::PressKey(VK_TAB);
  ASSERT_EQ(FocusSoon(IDC_CHOICE), IDC_CHOICE);
  for (int row : kPicks) {
    ui::PickComboRowWithKeys(Ctl(IDC_CHOICE), row);
    EXPECT_EQ(ui::ComboSelectedText(Ctl(IDC_CHOICE)), target::kChoices[row]);
  }
}

TEST_F(Driver, PickingComboRowsWithTheMouseSelectsThem) {
  for (int row : kPicks) {
    ui::PickComboRowWithMouse(Ctl(IDC_CHOICE), row);
    EXPECT_EQ(ui::ComboSelectedText(Ctl(IDC_CHOICE)), target::kChoices[row]);
  }
  EXPECT_EQ(app_.FocusId(), IDC_CHOICE);
}

TEST_F(Driver, OwnerDataListCellsAndColumnsReadBack) {
  HWND list = Ctl(IDC_ROWS);
  EXPECT_EQ(ui::ListRowCount(list), target::kRowCount);
  ASSERT_EQ(ui::ListColumnCount(list), 3);
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(ui::ListColumnWidth(list, c), target::kColumnWidths[c]) << "column " << c;
  }
  struct RowCase {
    int row;
    std::vector<std::string> cells;
  };
  const RowCase kRows[] = {
      {0, {"r0c0", "r0c1", "r0c2"}},
      {12345, {"r12345c0", "r12345c1", "r12345c2"}},
      {target::kRowCount - 1, {"r49999c0", "r49999c1", "r49999c2"}},
  };
  for (const auto& c : kRows) EXPECT_EQ(ui::ListRow(list, c.row), c.cells) << "row " << c.row;
}

TEST_F(Driver, MessageBoxesAreReadAndAnswered) {
  struct BoxCase {
    const char* style;  // the icon style the target asks with
    ui::BoxIcon icon;
    int button;
  };
  const BoxCase kBoxes[] = {
      {"64", ui::BoxIcon::Information, IDOK}, {"32", ui::BoxIcon::Question, IDCANCEL},
      {"48", ui::BoxIcon::Exclamation, IDOK}, {"16", ui::BoxIcon::Other, IDCANCEL},
      {"0", ui::BoxIcon::None, IDOK},
  };
  for (const auto& c : kBoxes) {
    Retype(IDC_FIRST, c.style);
    ASSERT_EQ(TextSoon(IDC_FIRST, c.style), c.style);
    ui::ClickCenter(Ctl(IDC_ASK));
    HWND box = app_.WaitForMessageBox();
    EXPECT_EQ(ui::Text(box), "Target question") << c.style;
    EXPECT_EQ(ui::MessageBoxText(box), "Proceed?\nSecond line") << c.style;
    EXPECT_EQ(ui::MessageBoxIcon(box), c.icon) << c.style;
    ui::AnswerMessageBox(box, c.button);
    const std::string answer = std::to_string(c.button);
    EXPECT_EQ(TextSoon(IDC_ANSWER, answer), answer) << c.style;
  }
}

TEST_F(Driver, HelpSpyReceivesTheHelpRequest) {
  ui::HelpSpy spy;
  ui::ClickCenter(Ctl(IDC_HELPME));
  const ui::HelpRequest request = spy.WaitForRequest();
  EXPECT_EQ(request.command, static_cast<unsigned>(HELP_FINDER));
  EXPECT_EQ(request.file, target::kHelpFile);
  EXPECT_EQ(spy.Requests().size(), 1u);
}

TEST_F(Driver, SaveAsTakesTheTypedNameAndTypeAndAsksBeforeReplacing) {
  struct SaveCase {
    int typeRow;
    bool replaces;
  };
  const SaveCase kSaves[] = {{1, false}, {0, true}};
  ui::TempDir dir;
  const std::string path = dir.File("subnets.dat");
  std::string saved;  // what the file holds so far
  for (const auto& c : kSaves) {
    char line[32];
    std::snprintf(line, sizeof line, target::kSavedLine, static_cast<unsigned long>(c.typeRow + 1));
    ui::ClickCenter(Ctl(IDC_SAVE));
    ui::SaveAs(app_.WaitForWindow(ui::kSaveAsTitle, "#32770"), path, c.typeRow);
    if (c.replaces) {
      // Wine words the question its own way; what counts is that nothing is replaced yet.
      HWND question = app_.WaitForMessageBox();
      EXPECT_EQ(ui::ReadFileBytes(path), saved);
      ui::AnswerMessageBox(question, IDYES);
    }
    saved = line;
    EXPECT_EQ(
        ui::Eventually([&] { return ui::FileExists(path) ? ui::ReadFileBytes(path) : ""; }, saved),
        saved)
        << "file type row " << c.typeRow;
  }
}

TEST_F(Driver, ShapeAndScreenShowTheNotch) {
  const RECT frame = ui::WindowRect(dlg_);
  const POINT notch{frame.left + target::kNotch / 2, frame.top + target::kNotch / 2};
  const POINT surface{frame.left + target::kNotch + 4, frame.top + 4};
  EXPECT_FALSE(ui::ShapeContains(dlg_, notch));
  EXPECT_TRUE(ui::ShapeContains(dlg_, surface));
  EXPECT_EQ(ui::Eventually([&] { return ui::ScreenPixel(surface); }, target::kBackground),
            target::kBackground);
  EXPECT_NE(ui::ScreenPixel(notch), target::kBackground);
}

TEST_F(Driver, DraggingTheSurfaceMovesTheWindow) {
  const RECT before = ui::WindowRect(dlg_);
  ui::Drag(dlg_, POINT{target::kNotch + 10, 5}, 90, -40);
  const std::pair<LONG, LONG> want{before.left + 90, before.top - 40};
  EXPECT_EQ(ui::Eventually(
                [&] {
                  const RECT r = ui::WindowRect(dlg_);
                  return std::make_pair(r.left, r.top);
                },
                want),
            want);
}

TEST(App, ReportsTheExitCodeOfAProgramThatEnds) {
  struct ExitCase {
    WORD key;
    DWORD code;
  };
  const ExitCase kExits[] = {{VK_ESCAPE, IDCANCEL}, {VK_RETURN, IDOK}};
  for (const auto& c : kExits) {
    ui::App app(TargetPath());
    ui::BringToFront(app.WaitForWindow(target::kTitle));
    ui::PressKey(c.key);
    EXPECT_EQ(app.WaitForExit(), c.code) << "key " << c.key;
    EXPECT_FALSE(app.Running());
  }
}

TEST(App, EndsTheProgramWhenItGoes) {
  HANDLE process = nullptr;
  {
    ui::App app(TargetPath());
    app.WaitForWindow(target::kTitle);
    process = OpenProcess(SYNCHRONIZE, FALSE, app.ProcessId());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  }
  EXPECT_EQ(WaitForSingleObject(process, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(process);
}

}  // namespace

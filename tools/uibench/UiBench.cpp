// Times what a user waits for in the subnet table, driving the real program under Wine:
// the table of 65535 rows appearing, scrolling it end to end, and saving it in each format.
// With a folder argument it also stops at each window for a screenshot: it prints
// "SHOT name" and goes on once the file "name.done" appears in that folder.
#include <windows.h>

#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "CalculatorSteps.h"
#include "UiDriver.h"
#include "app/resource.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string g_shotDir;

void Shot(const char* name) {
  if (g_shotDir.empty()) return;
  std::printf("SHOT %s\n", name);
  std::fflush(stdout);
  const std::string done = g_shotDir + "\\" + name + ".done";
  ui::WaitUntil([&] { return ui::FileExists(done); }, "the screenshot", ui::Ms(30000));
}

// Answered once the program's thread is back in a message loop.
void WaitUntilIdle(HWND window) {
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 120000, &ignored);
}

void TypeAddressAndPrefix(HWND calc, const std::string& address, const std::string& prefix) {
  ui::BringToFront(calc);
  ui::ClickCenter(ui::Control(calc, IDC_RESET));
  ui::WaitUntil([&] { return ui::Text(calc, IDC_OCTET1).empty(); }, "the fields emptied");
  EnterAddressAndPrefix(calc, address, prefix);
}

void ShowSummaryBox(const ui::App& app, HWND calc) {
  TypeAddressAndPrefix(calc, "192.168.1.10", "24");
  ui::ClickCenter(ui::Control(calc, IDC_DISPLAY));
  HWND box = app.WaitForMessageBox();
  Shot("summary");
  ui::AnswerMessageBox(box, IDOK);
}

HWND OpenFullTable(const ui::App& app, HWND calc) {
  TypeAddressAndPrefix(calc, "10.1.2.3", "30");
  const auto click = Clock::now();
  ui::ClickCenter(ui::Control(calc, IDC_DISPLAY));
  HWND box = app.WaitForMessageBox();
  std::printf("click on Display subnets to the warning: %8.1f ms\n", MsSince(click));
  Shot("warning");
  const auto answered = Clock::now();
  ui::AnswerMessageBox(box, IDOK);
  HWND table = app.WaitForWindow("Velkaro - Subnet display", "#32770");
  WaitUntilIdle(table);
  std::printf("warning answered to the table of 65535 rows shown: %8.1f ms\n", MsSince(answered));
  return table;
}

void TimeScrolling(HWND table) {
  HWND list = ui::Control(table, IDC_SUBNET_LIST);
  ui::ClickCenter(list);
  WaitUntilIdle(table);
  auto topRow = [&] { return static_cast<int>(::SendMessageA(list, LVM_GETTOPINDEX, 0, 0)); };
  const int lastTop = 65535 - static_cast<int>(::SendMessageA(list, LVM_GETCOUNTPERPAGE, 0, 0));
  struct Key {
    const char* name;
    WORD key;
    bool toEnd;
  };
  for (const Key& k : {Key{"End", VK_END, true}, Key{"Home", VK_HOME, false}}) {
    const auto start = Clock::now();
    ui::PressKey(k.key);
    ui::WaitUntil([&] { return k.toEnd ? topRow() >= lastTop : topRow() == 0; }, k.name);
    WaitUntilIdle(table);
    std::printf("%-4s key, list scrolled and drawn: %8.1f ms\n", k.name, MsSince(start));
  }
  Shot("table");
}

void TimeSave(const ui::App& app, HWND table, const std::string& path, int fileType,
              const char* what) {
  ui::ClickCenter(ui::Control(table, IDC_SAVE));
  HWND saveAs = app.WaitForWindow("Save As", "#32770");
  HWND types = ui::Control(saveAs, cmb1);
  ui::PickComboRowWithMouse(types, fileType - 1);
  HWND name = ui::Control(saveAs, cmb13);
  ui::ClickCenter(name);
  ui::TypeText(path);
  ui::WaitUntil([&] { return ui::Text(name) == path; }, "the file name");

  const auto start = Clock::now();
  ui::ClickCenter(ui::Control(saveAs, IDOK));
  HWND status = ui::WaitFor([&] { return ui::FindTopWindow(app.ProcessId(), "Status", "#32770"); },
                            "the progress window");
  const double shown = MsSince(start);
  if (fileType == 1) Shot("progress");
  ui::WaitUntil([&] { return !::IsWindow(status); }, "the progress window to go", ui::Ms(600000));
  std::printf(
      "save %-4s click on Save to the progress window gone: %8.1f ms "
      "(progress shown after %.1f ms)\n",
      what, MsSince(start), shown);
  WaitUntilIdle(table);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) g_shotDir = argv[1];
  ui::App app(ui::PathFromEnvironment());
  HWND calc = app.WaitForWindow("Velkaro", "#32770");
  ShowSummaryBox(app, calc);
  HWND table = OpenFullTable(app, calc);
  TimeScrolling(table);
  ui::TempDir dir;
  TimeSave(app, table, dir.File("bench"), 1, "text");
  TimeSave(app, table, dir.File("bench"), 2, "csv");
  return 0;
}

#include "TableSteps.h"

#include <commctrl.h>
#include <dlgs.h>

#include <stdexcept>

#include "CalculatorSteps.h"
#include "SubnetEnumeration.h"
#include "app/resource.h"

void SubnetTableTest::DisplaySubnets(const std::string& address, const std::string& prefix) {
  EnterAddressAndPrefix(calc_, address, prefix);
  ui::ClickCenter(ui::Control(calc_, IDC_DISPLAY));
}

HWND SubnetTableTest::OpenTable(const std::string& address, const std::string& prefix) {
  DisplaySubnets(address, prefix);
  return WaitForTable();
}

HWND SubnetTableTest::List(HWND table) const {
  return ui::Control(table, IDC_SUBNET_LIST);
}

HWND SubnetTableTest::ClickSave(HWND table) const {
  ui::ClickCenter(ui::Control(table, IDC_SAVE));
  return app_.WaitForWindow("Save As", kDialogClass);
}

void SubnetTableTest::ChooseFile(HWND saveAs, const std::string& path, FileType type) const {
  HWND types = ui::Control(saveAs, cmb1);
  if (ui::ComboSelection(types) != type - 1) ui::PickComboRowWithMouse(types, type - 1);
  ui::WaitUntil([&] { return ui::ComboSelection(types) == type - 1; }, "the file type");
  HWND name = ui::Control(saveAs, cmb13);
  ui::ClickCenter(name);
  ui::PressKey(VK_HOME);
  ui::PressKey(VK_END, true);
  ui::TypeText(path);
  ui::WaitUntil([&] { return ui::Text(name) == path; }, "the file name typed");
  ui::ClickCenter(ui::Control(saveAs, IDOK));
}

void SubnetTableTest::SaveAs(HWND table, const std::string& path, FileType type) const {
  HWND saveAs = ClickSave(table);
  ChooseFile(saveAs, path, type);
  ui::WaitUntil([&] { return !::IsWindow(saveAs); }, "the Save As dialog to close");
  WaitUntilIdle(table);
}

// A message sent to the program is answered only once its thread is back in its loop, so
// the answer means the command before it has ended.
void SubnetTableTest::WaitUntilIdle(HWND window) const {
  DWORD_PTR ignored = 0;
  if (!::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &ignored)) {
    throw ui::TimeoutError("the program stayed busy");
  }
}

std::string ExpectedFile(int32_t count, uint32_t network, uint32_t mask, ExportFormat format) {
  std::string bytes = ExportHeader(format);
  for (const SubnetRecord& record : GenerateSubnetRecords(count, network, mask)) {
    bytes += ExportLine(format, record);
  }
  return bytes;
}

int StringWidthInList(HWND list, const std::string& text) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(list, &processId);
  HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) throw std::runtime_error("cannot open the list's process");
  // The list reads the text from its own address space.
  void* remote =
      ::VirtualAllocEx(process, nullptr, text.size() + 1, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  int width = -1;
  if (remote != nullptr &&
      ::WriteProcessMemory(process, remote, text.c_str(), text.size() + 1, nullptr)) {
    width = static_cast<int>(
        ::SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(remote)));
  }
  if (remote != nullptr) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  ::CloseHandle(process);
  if (width < 0) throw std::runtime_error("cannot measure '" + text + "' in the list");
  return width;
}

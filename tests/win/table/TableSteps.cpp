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

namespace {

// Memory inside the list's process: the list and its header read and write their texts in
// their own address space.
class RemoteBlock {
 public:
  RemoteBlock(HWND window, size_t size) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    m_process =
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (m_process == nullptr) throw std::runtime_error("cannot open the list's process");
    m_address = static_cast<char*>(
        ::VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (m_address == nullptr) {
      ::CloseHandle(m_process);
      throw std::runtime_error("cannot allocate memory in the list's process");
    }
  }
  ~RemoteBlock() {
    ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    ::CloseHandle(m_process);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  char* Address() const { return m_address; }
  void Write(size_t offset, const void* data, size_t size) const {
    if (!::WriteProcessMemory(m_process, m_address + offset, data, size, nullptr)) {
      throw std::runtime_error("cannot write to the list's process");
    }
  }
  void Read(size_t offset, void* data, size_t size) const {
    if (!::ReadProcessMemory(m_process, m_address + offset, data, size, nullptr)) {
      throw std::runtime_error("cannot read from the list's process");
    }
  }

 private:
  HANDLE m_process = nullptr;
  char* m_address = nullptr;
};

}  // namespace

int StringWidthInList(HWND list, const std::string& text) {
  RemoteBlock block(list, text.size() + 1);
  block.Write(0, text.c_str(), text.size() + 1);
  return static_cast<int>(
      ::SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(block.Address())));
}

std::vector<ColumnHeading> ListHeadings(HWND list) {
  HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
  constexpr size_t kMaxText = 256;
  RemoteBlock block(header, sizeof(HDITEMA) + kMaxText);
  std::vector<ColumnHeading> headings;
  const auto count = ::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
  for (WPARAM column = 0; column < static_cast<WPARAM>(count); ++column) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = block.Address() + sizeof item;
    item.cchTextMax = static_cast<int>(kMaxText);
    block.Write(0, &item, sizeof item);
    if (!::SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(block.Address()))) {
      throw std::runtime_error("cannot read heading " + std::to_string(column));
    }
    block.Read(0, &item, sizeof item);
    char text[kMaxText] = {};
    block.Read(sizeof item, text, kMaxText - 1);
    headings.push_back({text, item.fmt});
  }
  return headings;
}

#include "ListView.h"

#include <commctrl.h>

#include <stdexcept>

namespace ui {

namespace {

// A block of memory inside another process: the list view writes the cell text to a
// buffer that must lie in its own address space.
class RemoteBlock {
 public:
  RemoteBlock(HWND owner, size_t size) : size_(size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(owner, &processId);
    process_ =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (!process_) throw std::runtime_error("cannot open the list's process");
    address_ = static_cast<char*>(
        VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!address_) {
      CloseHandle(process_);
      throw std::runtime_error("cannot allocate memory in the list's process");
    }
  }
  ~RemoteBlock() {
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    CloseHandle(process_);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  char* Address() const { return address_; }
  void Write(size_t offset, const void* data, size_t size) const {
    Check(offset, size);
    if (!WriteProcessMemory(process_, address_ + offset, data, size, nullptr)) {
      throw std::runtime_error("cannot write to the list's process");
    }
  }
  void Read(size_t offset, void* data, size_t size) const {
    Check(offset, size);
    if (!ReadProcessMemory(process_, address_ + offset, data, size, nullptr)) {
      throw std::runtime_error("cannot read from the list's process");
    }
  }

 private:
  void Check(size_t offset, size_t size) const {
    if (offset + size > size_) throw std::out_of_range("outside the remote block");
  }

  size_t size_;
  HANDLE process_ = nullptr;
  char* address_ = nullptr;
};

constexpr size_t kMaxCellText = 512;

}  // namespace

int ListRowCount(HWND list) {
  return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
}

int ListColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
  return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

int ListColumnWidth(HWND list, int column) {
  return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

std::string ListCell(HWND list, int row, int column) {
  RemoteBlock block(list, sizeof(LVITEMA) + kMaxCellText);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = block.Address() + sizeof item;
  item.cchTextMax = static_cast<int>(kMaxCellText);
  block.Write(0, &item, sizeof item);
  const auto length = SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                   reinterpret_cast<LPARAM>(block.Address()));
  std::string text(static_cast<size_t>(length), '\0');
  block.Read(sizeof item, text.data(), text.size());
  return text;
}

std::vector<std::string> ListRow(HWND list, int row) {
  std::vector<std::string> cells;
  for (int column = 0, count = ListColumnCount(list); column < count; ++column) {
    cells.push_back(ListCell(list, row, column));
  }
  return cells;
}

}  // namespace ui

#include "Files.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace ui {

std::string ReadFileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TempDir::TempDir() {
  char base[MAX_PATH];
  GetTempPathA(MAX_PATH, base);
  // Unique within this session: the process id and a counter of this process.
  static unsigned counter = 0;
  path_ = std::string(base) + "velkaro-test-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++counter);
  if (!CreateDirectoryA(path_.c_str(), nullptr)) {
    throw std::runtime_error("cannot create " + path_);
  }
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace ui

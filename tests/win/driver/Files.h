// Files that the program under test writes.
#pragma once

#include <string>

namespace ui {

// The whole file as bytes; throws when it cannot be read.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// A fresh empty folder for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder's Windows path, without a trailing backslash.
  const std::string& Path() const { return path_; }
  // The path of a file of this name in the folder.
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

}  // namespace ui

// CFile writes a file and reports every failure by its result; CFileDialog's extension.
#include <Files.h>
#include <gtest/gtest.h>

#include <Afx.h>

#include <fstream>

namespace {

TEST(File, CreatesWritesFlushesAndClosesAFile) {
  ui::TempDir dir;
  const std::string path = dir.File("out.txt");
  CFile file;
  ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
  EXPECT_TRUE(file.Write("abc\r\n", 5));
  EXPECT_TRUE(file.Flush());
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(ui::ReadFileBytes(path), "abc\r\n");
}

TEST(File, CreatingEmptiesAnExistingFile) {
  ui::TempDir dir;
  const std::string path = dir.File("old.txt");
  std::ofstream(path) << "earlier contents";
  CFile file;
  ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(ui::ReadFileBytes(path), "");
}

TEST(File, OpeningAnUnwritablePathFailsWithTheSystemsError) {
  ui::TempDir dir;
  const struct {
    const char* name;
    std::string path;
    DWORD error;
  } cases[] = {
      {"missing folder", dir.File("missing\\out.txt"), ERROR_PATH_NOT_FOUND},
      {"a folder", dir.Path(), ERROR_ACCESS_DENIED},
  };
  for (const auto& c : cases) {
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(c.path.c_str(), CFile::modeCreate | CFile::modeWrite, &error)) << c.name;
    EXPECT_EQ(error.m_lOsError, c.error) << c.name;
    EXPECT_FALSE(file.IsOpen()) << c.name;
  }
}

TEST(File, WritingOrFlushingAClosedFileReportsFailure) {
  ui::TempDir dir;
  CFile file;
  ASSERT_TRUE(file.Open(dir.File("closed.txt").c_str(), CFile::modeCreate | CFile::modeWrite));
  file.Close();
  EXPECT_FALSE(file.Write("x", 1));
  EXPECT_FALSE(file.Flush());
}

TEST(File, OpeningAgainClosesTheFirstFile) {
  ui::TempDir dir;
  const std::string first = dir.File("first.txt");
  CFile file;
  ASSERT_TRUE(file.Open(first.c_str(), CFile::modeCreate | CFile::modeWrite));
  ASSERT_TRUE(file.Open(dir.File("second.txt").c_str(), CFile::modeCreate | CFile::modeWrite));
  // Opened with no sharing, the first file stays locked while its handle lives.
  CFile again;
  EXPECT_TRUE(again.Open(first.c_str(), CFile::modeCreate | CFile::modeWrite));
}

struct ExtCase {
  const char* path;
  const char* ext;
};
const ExtCase kExtCases[] = {
    {"C:\\out\\subnets.txt", "txt"}, {"C:\\out\\subnets.tar.csv", "csv"}, {"C:\\out\\subnets", ""},
    {"C:\\out.d\\subnets", ""},      {"C:\\out\\subnets.", ""},           {"subnets.CSV", "CSV"},
};

TEST(FileDialog, GetFileExtIsTheTextAfterTheFileNamesLastDot) {
  for (const auto& c : kExtCases) {
    CFileDialog dialog(FALSE, nullptr, c.path);
    EXPECT_EQ(dialog.GetFileExt(), c.ext) << c.path;
  }
}

}  // namespace

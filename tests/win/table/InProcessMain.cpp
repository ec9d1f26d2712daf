// The table's code run in this process, set up as the program's WinMain would.
#include <gtest/gtest.h>

#include "Afx.h"

namespace {
class TestApp : public CWinApp {};
TestApp theApp;
}  // namespace

int main(int argc, char** argv) {
  theApp.SetUp(::GetModuleHandleA(nullptr));
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// The modal loop: who sees a queued message first, the owner's state, how a dialog ends, and
// loops inside loops.
#include <gtest/gtest.h>

#include <functional>

#include "CreateHook.h"
#include "InLoop.h"
#include "TestDialog.h"
#include "TestIds.h"

namespace {

bool IsActive(const CWnd& wnd) {
  return ::GetActiveWindow() == wnd.m_hWnd;
}

struct TabCase {
  const char* name;
  bool editSwallows;
  EventLog wantLog;
  int wantFocusId;
};
const TabCase kTabCases[] = {
    {"swallowed by the edit field", true, {"edit"}, IDC_EDIT},
    {"passed on by the edit field", false, {"edit", "dialog"}, IDC_COMBO},
};

TEST(ModalLoop, OffersAKeyToTheControlThenTheDialogBeforeTheDialogManager) {
  for (const auto& c : kTabCases) {
    TestDialog dlg;
    dlg.m_edit.m_bSwallowKeys = c.editSwallows;
    dlg.m_onInit = [&] { dlg.m_edit.SetFocus(); };
    dlg.m_bInitResult = FALSE;
    int focusId = 0;
    RunWhen([&] { return ::GetFocus() == dlg.m_edit.m_hWnd; },
            [&] {
              dlg.m_log.clear();
              dlg.m_edit.PostMessage(WM_KEYDOWN, VK_TAB, 1);
              RunSoon([&] {
                focusId = ::GetDlgCtrlID(::GetFocus());
                dlg.EndDialog(IDOK);
              });
            },
            "the focus in the edit field");
    dlg.DoModal();
    EXPECT_EQ(dlg.m_log, c.wantLog) << c.name;
    EXPECT_EQ(focusId, c.wantFocusId) << c.name;
  }
}

struct EndCase {
  const char* name;
  std::function<void(TestDialog&)> end;
  INT_PTR want;
};
const EndCase kEndCases[] = {
    {"EndDialog while it runs", [](TestDialog& d) { d.EndDialog(7); }, 7},
    {"Enter in the edit field (the OK button)",
     [](TestDialog& d) { d.m_edit.PostMessage(WM_KEYDOWN, VK_RETURN, 1); }, IDOK},
    {"Escape in the edit field",
     [](TestDialog& d) { d.m_edit.PostMessage(WM_KEYDOWN, VK_ESCAPE, 1); }, IDCANCEL},
};

TEST(ModalLoop, EndsWithTheResultOfEndDialogAndDestroysTheWindow) {
  for (const auto& c : kEndCases) {
    TestDialog dlg;
    HWND hWnd = nullptr;
    dlg.m_onInit = [&] { hWnd = dlg.m_hWnd; };
    RunWhen([&] { return IsActive(dlg); }, [&] { c.end(dlg); }, "the dialog to be active");
    EXPECT_EQ(dlg.DoModal(), c.want) << c.name;
    EXPECT_FALSE(::IsWindow(hWnd)) << c.name;
    EXPECT_EQ(dlg.m_hWnd, nullptr) << c.name;
  }
}

TEST(ModalLoop, ADialogDestroyedWhileItRunsEndsItsLoop) {
  MainWindow main;
  TestDialog dlg;
  RunWhen([&] { return IsActive(dlg); }, [&] { dlg.DestroyWindow(); }, "the dialog to be active");
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_TRUE(::IsWindowEnabled(main));
}

TEST(ModalLoop, EndDialogDuringInitialisationEndsBeforeTheDialogShows) {
  TestDialog dlg;
  dlg.m_onInit = [&] { dlg.EndDialog(9); };
  EXPECT_EQ(dlg.DoModal(), 9);
}

TEST(ModalLoop, AMissingTemplateGivesMinusOneAndLeavesTheOwnerEnabled) {
  MainWindow main;
  CDialog dlg(IDD_MISSING);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_TRUE(::IsWindowEnabled(main));
}

TEST(ModalLoop, RunsTwiceWithTheSameObject) {
  TestDialog dlg;
  for (int result : {3, 4}) {
    RunWhen([&] { return IsActive(dlg); }, [&] { dlg.EndDialog(result); }, "the dialog");
    EXPECT_EQ(dlg.DoModal(), result);
  }
}

TEST(ModalLoop, DisablesItsOwnerWhileItRunsAndHandsTheActivationBack) {
  MainWindow main;
  const struct {
    const char* name;
    std::function<CWnd*()> parent;
  } cases[] = {{"no parent", [] { return nullptr; }},
               {"the main window", [&] { return &main; }},
               {"a control of the main window", [&] { return main.GetDlgItem(IDOK); }}};
  for (const auto& c : cases) {
    ::SetActiveWindow(main);
    TestDialog dlg(c.parent());
    HWND owner = nullptr;
    BOOL ownerEnabled = TRUE;
    RunWhen([&] { return IsActive(dlg); },
            [&] {
              owner = ::GetWindow(dlg, GW_OWNER);
              ownerEnabled = ::IsWindowEnabled(main);
              dlg.EndDialog(IDOK);
            },
            "the dialog to be active");
    dlg.DoModal();
    EXPECT_EQ(owner, main.m_hWnd) << c.name;
    EXPECT_FALSE(ownerEnabled) << c.name;
    EXPECT_TRUE(::IsWindowEnabled(main)) << c.name;
    EXPECT_TRUE(IsActive(main)) << c.name;
  }
}

TEST(ModalLoop, RunsADialogOverADialog) {
  TestDialog outer;
  MainWindowScope scope(&outer);
  HWND outerWnd = nullptr;
  INT_PTR innerResult = 0;
  HWND innerOwner = nullptr;
  BOOL outerEnabledUnder = TRUE;
  BOOL outerEnabledAfter = FALSE;
  bool outerActiveAfter = false;
  RunWhen([&] { return IsActive(outer); },
          [&] {
            outerWnd = outer.m_hWnd;
            TestDialog inner;
            RunWhen([&] { return IsActive(inner); },
                    [&] {
                      innerOwner = ::GetWindow(inner, GW_OWNER);
                      outerEnabledUnder = ::IsWindowEnabled(outer);
                      inner.EndDialog(5);
                    },
                    "the inner dialog to be active");
            innerResult = inner.DoModal();
            outerEnabledAfter = ::IsWindowEnabled(outer);
            outerActiveAfter = IsActive(outer);
            outer.EndDialog(6);
          },
          "the outer dialog to be active");
  EXPECT_EQ(outer.DoModal(), 6);
  EXPECT_EQ(innerResult, 5);
  EXPECT_EQ(innerOwner, outerWnd) << "a dialog with no parent belongs to the main window";
  EXPECT_FALSE(outerEnabledUnder);
  EXPECT_TRUE(outerEnabledAfter);
  EXPECT_TRUE(outerActiveAfter);
}

TEST(ModalLoop, TheDialogObjectSeesWmCreateBeforeWmInitDialog) {
  TestDialog dlg;
  dlg.m_onInit = [&] { dlg.EndDialog(IDOK); };
  dlg.DoModal();
  EXPECT_EQ(dlg.m_log, (EventLog{"WM_CREATE", "WM_INITDIALOG"}));
}

// The system may make a window of its own (an input-method window) while a dialog is pending.
TEST(ModalLoop, APendingDialogObjectBindsTheDialogNotAWindowMadeBeforeIt) {
  TestDialog dlg;
  HookWindowCreate(&dlg);
  HWND side =
      ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(side), nullptr);
  ::DestroyWindow(side);
  UnhookWindowCreate();
  dlg.m_onInit = [&] { dlg.EndDialog(IDOK); };
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_log, (EventLog{"WM_CREATE", "WM_INITDIALOG"}));
}

}  // namespace

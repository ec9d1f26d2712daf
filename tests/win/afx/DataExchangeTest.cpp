// Dialog data exchange: control objects bound to the template's controls, texts loaded and
// saved, and the text limit.
#include <gtest/gtest.h>

#include "TestDialog.h"
#include "TestIds.h"

namespace {

TEST(DataExchange, DdxControlBindsEachControlToItsObject) {
  TestDialog dlg;
  dlg.Create(IDD_TEST);
  const struct {
    int id;
    CWnd* object;
  } bound[] = {{IDC_EDIT, &dlg.m_edit},
               {IDC_COMBO, &dlg.m_combo},
               {IDC_LABEL, &dlg.m_static},
               {IDC_DRAWN, &dlg.m_btnDrawn},
               {IDC_LIST, &dlg.m_list}};
  for (const auto& b : bound) {
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg, b.id)), b.object) << b.id;
  }
  ::SendMessageA(::GetDlgItem(dlg, IDC_EDIT), WM_APP, 0, 0);
  EXPECT_EQ(dlg.m_edit.m_nProbes, 1) << "a message to the control reaches the object's table";
}

TEST(DataExchange, DdxTextLoadsTheFieldAndSavesItBack) {
  TestDialog dlg;
  dlg.m_strEdit = "loaded";
  dlg.Create(IDD_TEST);
  CString text;
  dlg.m_edit.GetWindowText(text);
  EXPECT_EQ(text, "loaded");
  dlg.m_edit.SetWindowText("typed");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_strEdit, "typed");
}

struct LimitCase {
  const char* text;
  bool saves;
};
const LimitCase kLimitCases[] = {{"", true}, {"1234", true}, {"12345", true}, {"123456", false}};

TEST(DataExchange, DdvMaxCharsLimitsTheFieldAndRefusesALongerText) {
  for (const auto& c : kLimitCases) {
    TestDialog dlg;
    dlg.m_nMaxChars = 5;
    dlg.Create(IDD_TEST);
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(dlg.m_edit.GetLimitText(), 5u);
    dlg.m_combo.SetFocus();
    dlg.m_edit.SetWindowText(c.text);  // WM_SETTEXT passes the limit by
    EXPECT_EQ(dlg.UpdateData(TRUE), c.saves) << c.text;
    EXPECT_EQ(::GetFocus() == dlg.m_edit.m_hWnd, !c.saves)
        << c.text << ": the focus goes to the refused field";
  }
}

}  // namespace

// A plain Win32 dialog with one of each kind of control the driver has to handle, so the
// driver can be proven against real windows without the product.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <iterator>

#include "TargetIds.h"

namespace {

void FillChoices(HWND dlg) {
  for (const char* choice : target::kChoices) {
    SendDlgItemMessageA(dlg, IDC_CHOICE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
  }
}

void FillRows(HWND dlg) {
  HWND list = GetDlgItem(dlg, IDC_ROWS);
  char heading[16];
  for (int c = 0; c < static_cast<int>(std::size(target::kColumnWidths)); ++c) {
    std::snprintf(heading, sizeof heading, "Column %d", c);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = heading;
    column.cx = target::kColumnWidths[c];
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(c),
                 reinterpret_cast<LPARAM>(&column));
  }
  SendMessageA(list, LVM_SETITEMCOUNT, target::kRowCount, 0);
}

// Cuts the top-left notch out of the window's outline, as a shaped window would.
void ShapeWindow(HWND dlg) {
  RECT r;
  GetWindowRect(dlg, &r);
  HRGN shape = CreateRectRgn(0, 0, r.right - r.left, r.bottom - r.top);
  HRGN notch = CreateRectRgn(0, 0, target::kNotch, target::kNotch);
  CombineRgn(shape, shape, notch, RGN_DIFF);
  DeleteObject(notch);
  SetWindowRgn(dlg, shape, TRUE);  // the system owns the region now
}

// Supplies the text of one cell of the owner-data list.
void AnswerCellText(NMLVDISPINFOA* info) {
  static char text[32];
  if (info->item.mask & LVIF_TEXT) {
    std::snprintf(text, sizeof text, "r%dc%d", info->item.iItem, info->item.iSubItem);
    info->item.pszText = text;
  }
}

// The icon style of the question is the number in the first field (MB_ICONQUESTION...).
void Ask(HWND dlg) {
  const UINT icon = GetDlgItemInt(dlg, IDC_FIRST, nullptr, FALSE);
  const int answer = MessageBoxA(dlg, "Proceed?\nSecond line", "Target question",
                                 MB_OKCANCEL | (icon & MB_ICONMASK));
  SetDlgItemInt(dlg, IDC_ANSWER, static_cast<UINT>(answer), FALSE);
}

// Asks for a file name with the Save As dialog and writes one line naming the file type.
void Save(HWND dlg) {
  char path[MAX_PATH] = "";
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = dlg;
  ofn.lpstrFilter = "Text files (*.txt)\0*.txt\0CSV files (*.csv)\0*.csv\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  if (!GetSaveFileNameA(&ofn)) return;
  if (FILE* file = std::fopen(path, "wb")) {
    std::fprintf(file, target::kSavedLine, ofn.nFilterIndex);
    std::fclose(file);
  }
}

INT_PTR CALLBACK TargetProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  static HBRUSH background = CreateSolidBrush(target::kBackground);
  switch (msg) {
    case WM_INITDIALOG:
      SetWindowTextA(dlg, target::kTitle);  // a title, but no caption bar to show it
      FillChoices(dlg);
      FillRows(dlg);
      ShapeWindow(dlg);
      return TRUE;
    case WM_CTLCOLORDLG:
      return reinterpret_cast<INT_PTR>(background);
    case WM_LBUTTONDOWN:  // drag the window by its surface
      SendMessageA(dlg, WM_NCLBUTTONDOWN, HTCAPTION, lp);
      return TRUE;
    case WM_NOTIFY:
      if (reinterpret_cast<NMHDR*>(lp)->code != LVN_GETDISPINFOA) return FALSE;
      AnswerCellText(reinterpret_cast<NMLVDISPINFOA*>(lp));
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case IDC_ASK:
          Ask(dlg);
          return TRUE;
        case IDC_SAVE:
          Save(dlg);
          return TRUE;
        case IDC_HELPME:
          WinHelpA(dlg, target::kHelpFile, HELP_FINDER, 0);
          return TRUE;
        case IDOK:
        case IDCANCEL:
          EndDialog(dlg, LOWORD(wp));
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TARGET), nullptr, TargetProc, 0));
}

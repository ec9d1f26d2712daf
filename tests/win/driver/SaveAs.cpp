#include "SaveAs.h"

#include "Combo.h"
#include "Input.h"
#include "Window.h"

namespace ui {

void SaveAs(HWND dialog, const std::string& fileName, int typeRow) {
  PickComboRowWithMouse(Control(dialog, cmb1), typeRow);
  ClickCenter(Control(dialog, cmb13));
  PressKey(VK_HOME);
  PressKey(VK_END, true);
  TypeText(fileName);
  ClickCenter(Control(dialog, IDOK));
}

}  // namespace ui

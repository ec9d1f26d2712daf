// Message boxes of the program under test: finding, reading and answering them.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

enum class BoxIcon { None, Exclamation, Information, Question, Other };

// The visible message box of the thread, or null.
HWND FindMessageBox(DWORD threadId);

// Its caption is Text(box); this is the message under it.
std::string MessageBoxText(HWND box);
// Which of the system's icons the box shows. Another process's icon handles mean nothing
// here (Wine refuses them), so the icon is recognised by its pixels on the screen.
BoxIcon MessageBoxIcon(HWND box);
// The picture control that shows the icon, or null.
HWND MessageBoxIconControl(HWND box);
// Clicks the button (IDOK, IDCANCEL, IDYES...) and waits until the box is gone.
void AnswerMessageBox(HWND box, int buttonId);

}  // namespace ui

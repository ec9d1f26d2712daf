#include "BoxReader.h"

#include <Afx.h>
#include <MessageBox.h>

#include "InLoop.h"

HWND ThisThreadsMessageBox() {
  return ui::FindMessageBox(::GetCurrentThreadId());
}

void ReadNextBox(SeenBox& seen, const std::function<void(HWND box)>& inspect) {
  RunWhen([] { return ThisThreadsMessageBox() != nullptr; },
          [&seen, &inspect] {
            HWND box = ThisThreadsMessageBox();
            char caption[256] = {};
            ::GetWindowTextA(box, caption, sizeof caption);
            seen.caption = caption;
            seen.owner = ::GetWindow(box, GW_OWNER);
            seen.icon = reinterpret_cast<HICON>(
                ::SendMessageA(ui::MessageBoxIconControl(box), STM_GETICON, 0, 0));
            if (inspect) inspect(box);
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
          },
          "the message box");
}

SeenBox ShowAndReadBox(const char* text, UINT type, const std::function<void(HWND box)>& inspect) {
  SeenBox seen;
  ReadNextBox(seen, inspect);
  seen.answer = AfxMessageBox(text, type);
  return seen;
}

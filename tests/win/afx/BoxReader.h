// Shows a message box through AfxMessageBox and reads it from inside its own loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct SeenBox {
  std::string caption;
  HWND owner = nullptr;
  HICON icon = nullptr;  // what its icon picture shows
  int answer = 0;        // AfxMessageBox's result
};

// The box of this thread that is up, or null.
HWND ThisThreadsMessageBox();

// Shows the box, reads it once it is up, lets `inspect` look at it too, and closes it with OK.
SeenBox ShowAndReadBox(const char* text, UINT type,
                       const std::function<void(HWND box)>& inspect = {});

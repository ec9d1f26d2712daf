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

// Reads the next box of this thread once it is up into `seen`, lets `inspect` look at it too,
// and closes it with OK. Both must live until the box has gone.
void ReadNextBox(SeenBox& seen, const std::function<void(HWND box)>& inspect = {});

// Shows an AfxMessageBox and reads it as ReadNextBox does.
SeenBox ShowAndReadBox(const char* text, UINT type,
                       const std::function<void(HWND box)>& inspect = {});

// The thread's window-creation hook: binds a pending CWnd to the window being created, and
// gives the program's dialog colours to dialogs the program does not own (message boxes,
// common dialogs).
#pragma once

#include <windows.h>

class CWnd;

// Binds pWnd to the next window this thread creates, before that window sees WM_NCCREATE, so
// that a dialog object handles WM_CREATE.
void HookWindowCreate(CWnd* pWnd);
// Drops a pending binding whose window was never created.
void UnhookWindowCreate();
// From now on every dialog-class window created on this thread that no CWnd binds is dressed
// in the dialog colours.
void HookForeignDialogs();

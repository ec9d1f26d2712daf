// F1 in any dressed window: the application's help file, opened at its contents.
#pragma once

#include "Afx.h"

// Always addresses the application, never the window's own help context; TRUE: handled.
inline BOOL OpenHelpContents() {
  AfxGetApp()->WinHelp(0, HELP_FINDER);
  return TRUE;
}

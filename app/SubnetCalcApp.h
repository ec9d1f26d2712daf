// The application: runs the calculator as its one modal dialog and ends with it.
#pragma once

#include "Afx.h"

class CSubnetCalcApp : public CWinApp {
 public:
  // No name: message boxes take the executable's base name as their caption.
  CSubnetCalcApp() : CWinApp(nullptr) {}

  BOOL InitInstance() override;
};

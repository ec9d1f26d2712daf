// The UI driver: a test starts the real program, drives it with real keyboard and mouse
// input, and reads back what its windows show and what files it wrote.
#pragma once

#include "App.h"
#include "Combo.h"
#include "Files.h"
#include "HelpSpy.h"
#include "Input.h"
#include "ListView.h"
#include "MessageBox.h"
#include "SaveAs.h"
#include "Screen.h"
#include "Wait.h"
#include "Window.h"

// Steps a user takes in the real calculator, shared by the window tests and the speed script.
#pragma once

#include <windows.h>

#include <string>

// Types the address into the four octet fields of the calculator `calc` and picks the prefix
// row with the mouse, waiting until the window shows each step.
void EnterAddressAndPrefix(HWND calc, const std::string& address, const std::string& prefix);

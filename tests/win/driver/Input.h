// Real keyboard and mouse input, as a user makes it (SendInput).
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Makes the top-level window the foreground window, which receives the keys, and waits
// until it is.
void BringToFront(HWND top);

// One key stroke by virtual key (VK_TAB, VK_RETURN, VK_ESCAPE, VK_F1, VK_DOWN...),
// with Shift held down when asked.
void PressKey(WORD virtualKey, bool shift = false);

// Types the characters with the keys that make them on the keyboard ('.' is the full stop
// key, not a character injected behind the keyboard's back).
void TypeText(const std::string& text);

// Mouse actions at client coordinates of `window`.
void MoveMouse(HWND window, POINT client);
void Click(HWND window, POINT client);
void ClickCenter(HWND window);
// Presses the left button at `from`, moves by (dx, dy) in steps, and releases it.
void Drag(HWND window, POINT from, int dx, int dy);

}  // namespace ui

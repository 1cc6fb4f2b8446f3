#pragma once

class QKeyEvent;

// Ctrl with a digit, M, or a few keypad and punctuation keys types a
// character of the upper half of the 8-bit set into the focused field;
// Ctrl+Space opens Insert Symbol for it.
constexpr int insertSymbolRequest = -1;

// The Windows-1252 code a Ctrl key press types, insertSymbolRequest for
// Ctrl+Space, 0 when the key is not one of them (and goes on as usual).
// virtualKey follows the keyboard's key codes: '0' to '9' 48 to 57, keypad
// digits 96 to 105, keypad * + / 106, 107, 111, '=' 187, '/' 191.
int symbolForKey(int virtualKey, bool shift);
// The same for a key event of the window system.
int symbolForKeyEvent(const QKeyEvent& event);

#include "shell/symbolShortcuts.h"

#include <QKeyEvent>

int symbolForKey(int vk, bool shift)
{
    if (shift) {
        switch (vk) {
        case 50: case 98: return 189;  // one half
        case 51: case 99: return 190;  // three quarters
        case 52: case 100: return 188; // one quarter
        case 56: return 215;           // multiplication sign
        case 187: return 177;          // plus-minus sign
        default: return 0;
        }
    }
    switch (vk) {
    case 48: case 96: return 176;  // degree sign
    case 49: case 97: return 185;  // superscript one
    case 50: case 98: return 178;  // superscript two
    case 51: case 99: return 179;  // superscript three
    case 77: return 181;           // micro sign
    case 106: return 215;          // multiplication sign
    case 107: return 177;          // plus-minus sign
    case 111: case 191: return 247; // division sign
    case 32: return insertSymbolRequest;
    default: return 0;
    }
}

namespace {

// The key code of a key event, from the key and where it is; shifted digits
// come as the characters above them on a common layout.
int virtualKeyOf(const QKeyEvent& event)
{
    int key = event.key();
    bool keypad = event.modifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (keypad ? 96 : 48) + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_ParenRight: return 48;
    case Qt::Key_Exclam: return 49;
    case Qt::Key_At: case Qt::Key_QuoteDbl: return 50;
    case Qt::Key_NumberSign: case Qt::Key_sterling: return 51;
    case Qt::Key_Dollar: return 52;
    case Qt::Key_Percent: return 53;
    case Qt::Key_AsciiCircum: return 54;
    case Qt::Key_Ampersand: return 55;
    case Qt::Key_Asterisk: return keypad ? 106 : 56;
    case Qt::Key_ParenLeft: return 57;
    case Qt::Key_M: return 77;
    case Qt::Key_Plus: return keypad ? 107 : 187;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Slash: return keypad ? 111 : 191;
    case Qt::Key_Question: return 191;
    case Qt::Key_Space: return 32;
    default: return 0;
    }
}

} // namespace

int symbolForKeyEvent(const QKeyEvent& event)
{
    Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    bool shift = mods & Qt::ShiftModifier;
    if (!(mods & Qt::ControlModifier) || (mods & ~(Qt::ControlModifier | Qt::ShiftModifier)))
        return 0;
    int vk = virtualKeyOf(event);
    // A shifted digit key arrives as its upper character; a shifted '=' as '+'.
    return vk ? symbolForKey(vk, shift) : 0;
}

#include "platform/qt/key_codes.h"

namespace tarnwick {

namespace {

// The keypad with NumLock on gives its own digit codes, which no key table
// holds; with NumLock off its keys arrive as the arrows and the rest.
int keypadCode(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 96 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

// Shifted symbols of a US keyboard, by the key they sit on.
int shiftedSymbolCode(int qtKey) {
    switch (qtKey) {
    case Qt::Key_ParenRight: return 48;
    case Qt::Key_Exclam: return 49;
    case Qt::Key_At: return 50;
    case Qt::Key_NumberSign: return 51;
    case Qt::Key_Dollar: return 52;
    case Qt::Key_Percent: return 53;
    case Qt::Key_AsciiCircum: return 54;
    case Qt::Key_Ampersand: return 55;
    case Qt::Key_Asterisk: return 56;
    case Qt::Key_ParenLeft: return 57;
    case Qt::Key_Less: return 188;
    case Qt::Key_Greater: return 190;
    case Qt::Key_Question: return 191;
    case Qt::Key_QuoteDbl: return 222;
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Plus: return 187;
    case Qt::Key_Colon: return 186;
    case Qt::Key_BraceLeft: return 219;
    case Qt::Key_BraceRight: return 221;
    case Qt::Key_Bar: return 220;
    case Qt::Key_AsciiTilde: return 192;
    default: return 0;
    }
}

}  // namespace

int keyCodeFor(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (const int code = keypadCode(qtKey)) return code;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;  // Qt's codes are the upper-case letters
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Home: return 36;
    case Qt::Key_End: return 35;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_Clear: return 12;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    case Qt::Key_Apostrophe: return 222;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Equal: return 187;
    case Qt::Key_Semicolon: return 186;
    case Qt::Key_BracketLeft: return 219;
    case Qt::Key_BracketRight: return 221;
    case Qt::Key_Backslash: return 220;
    case Qt::Key_QuoteLeft: return 192;
    default: return shiftedSymbolCode(qtKey);
    }
}

}  // namespace tarnwick

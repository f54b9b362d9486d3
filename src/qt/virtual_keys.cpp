// Qt key events to the Windows virtual-key numbering that the game's key-name table uses. The names
// follow the US keyboard: a shifted punctuation key reports the code of its unshifted key, as Windows
// does.
#include "qt/virtual_keys.h"

#include <QKeyEvent>

namespace brevane::qt {

namespace {

// Windows virtual keys used below.
enum Vk : int {
    VkCancel = 0x03,
    VkBack = 0x08,
    VkTab = 0x09,
    VkClear = 0x0C,
    VkReturn = 0x0D,
    VkShift = 0x10,
    VkControl = 0x11,
    VkMenu = 0x12,
    VkPause = 0x13,
    VkCapital = 0x14,
    VkEscape = 0x1B,
    VkSpace = 0x20,
    VkPrior = 0x21,
    VkNext = 0x22,
    VkEnd = 0x23,
    VkHome = 0x24,
    VkLeft = 0x25,
    VkUp = 0x26,
    VkRight = 0x27,
    VkDown = 0x28,
    VkSelect = 0x29,
    VkPrint = 0x2A,
    VkExecute = 0x2B,
    VkSnapshot = 0x2C,
    VkInsert = 0x2D,
    VkDelete = 0x2E,
    VkHelp = 0x2F,
    VkLWin = 0x5B,
    VkRWin = 0x5C,
    VkApps = 0x5D,
    VkNumPad0 = 0x60,
    VkMultiply = 0x6A,
    VkAdd = 0x6B,
    VkSeparator = 0x6C,
    VkSubtract = 0x6D,
    VkDecimal = 0x6E,
    VkDivide = 0x6F,
    VkF1 = 0x70,
    VkNumLock = 0x90,
    VkScroll = 0x91,
    VkLShift = 0xA0,
    VkRShift = 0xA1,
    VkLControl = 0xA2,
    VkRControl = 0xA3,
    VkOem1 = 0xBA,      // ; :
    VkOemPlus = 0xBB,   // = +
    VkOemComma = 0xBC,  // , <
    VkOemMinus = 0xBD,  // - _
    VkOemPeriod = 0xBE, // . >
    VkOem2 = 0xBF,      // / ?
    VkOem3 = 0xC0,      // ` ~
    VkOem4 = 0xDB,      // [ {
    VkOem5 = 0xDC,      // \ |
    VkOem6 = 0xDD,      // ] }
    VkOem7 = 0xDE,      // ' "
    VkPlay = 0xFA,
    VkZoom = 0xFB,
};

enum class Side { Unknown, Left, Right };

/// Which of a pair of modifier keys the platform reported.
Side modifierSide(NativeKey native) {
#if defined(Q_OS_WIN)
    // Windows reports VK_SHIFT / VK_CONTROL / VK_MENU; the scan code tells the sides apart, the right
    // Control and Alt keys carrying the extended-key bit (0x100).
    switch (native.scanCode) {
    case 0x2A:
    case 0x1D:
    case 0x38:
        return Side::Left;
    case 0x36:
    case 0x11D:
    case 0x138:
        return Side::Right;
    }
    switch (native.virtualKey) {
    case VkLShift:
    case VkLControl:
    case 0xA4:
        return Side::Left;
    case VkRShift:
    case VkRControl:
    case 0xA5:
        return Side::Right;
    }
    return Side::Unknown;
#elif defined(Q_OS_MACOS)
    switch (native.virtualKey) {
    case 0x38:
    case 0x3B:
    case 0x3A:
        return Side::Left; // kVK_Shift, kVK_Control, kVK_Option
    case 0x3C:
    case 0x3E:
    case 0x3D:
        return Side::Right; // kVK_RightShift, ..Control, ..Option
    }
    return Side::Unknown;
#else
    // X11 and Wayland report the xkb keysym.
    switch (native.virtualKey) {
    case 0xFFE1:
    case 0xFFE3:
    case 0xFFE9:
        return Side::Left; // Shift_L, Control_L, Alt_L
    case 0xFFE2:
    case 0xFFE4:
    case 0xFFEA:
    case 0xFE03:
        return Side::Right; // .._R, ISO_Level3_Shift
    }
    return Side::Unknown;
#endif
}

/// The punctuation keys of the US keyboard, shifted or not, and the shifted digits.
int punctuationKey(int key) {
    switch (key) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return VkOem1;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return VkOemPlus;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return VkOemComma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return VkOemMinus;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return VkOemPeriod;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return VkOem2;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
    case Qt::Key_Dead_Grave:
    case Qt::Key_Dead_Tilde:
        return VkOem3;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return VkOem4;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return VkOem5;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return VkOem6;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
    case Qt::Key_Dead_Acute:
        return VkOem7;
    case Qt::Key_Exclam:
        return '1';
    case Qt::Key_At:
        return '2';
    case Qt::Key_NumberSign:
        return '3';
    case Qt::Key_Dollar:
        return '4';
    case Qt::Key_Percent:
        return '5';
    case Qt::Key_AsciiCircum:
    case Qt::Key_Dead_Circumflex:
        return '6';
    case Qt::Key_Ampersand:
        return '7';
    case Qt::Key_Asterisk:
        return '8';
    case Qt::Key_ParenLeft:
        return '9';
    case Qt::Key_ParenRight:
        return '0';
    default:
        return 0;
    }
}

/// Keys of the numeric keypad that have their own codes; with NumLock off its digit keys report the
/// arrows, Home, End, PageUp, PageDown, Insert and Delete, which are named like the main keys.
int keypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return VkNumPad0 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk:
        return VkMultiply;
    case Qt::Key_Plus:
        return VkAdd;
    case Qt::Key_Minus:
        return VkSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return VkDecimal;
    case Qt::Key_Slash:
        return VkDivide;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return VkReturn;
    case Qt::Key_Clear:
        return VkClear;
    default:
        return 0;
    }
}

int modifierKey(int key, NativeKey native) {
    const Side side = modifierSide(native);
    switch (key) {
    case Qt::Key_Shift:
        return side == Side::Left ? VkLShift : side == Side::Right ? VkRShift : VkShift;
    case Qt::Key_Control:
        return side == Side::Left ? VkLControl : side == Side::Right ? VkRControl : VkControl;
    // The game names no left or right Alt, so both report the one Alt key; AltGr is the right Alt.
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return VkMenu;
    default:
        return 0;
    }
}

} // namespace

int virtualKeyFor(int key, Qt::KeyboardModifiers modifiers, NativeKey native) {
    if (modifiers & Qt::KeypadModifier) {
        if (int code = keypadKey(key)) return code;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VkF1 + (key - Qt::Key_F1);
    if (int code = modifierKey(key, native)) return code;
    if (int code = punctuationKey(key)) return code;
    switch (key) {
    case Qt::Key_Cancel:
        return VkCancel;
    case Qt::Key_Backspace:
        return VkBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VkTab;
    case Qt::Key_Clear:
        return VkClear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VkReturn;
    case Qt::Key_Pause:
        return VkPause;
    case Qt::Key_CapsLock:
        return VkCapital;
    case Qt::Key_Escape:
        return VkEscape;
    case Qt::Key_Space:
        return VkSpace;
    case Qt::Key_PageUp:
        return VkPrior;
    case Qt::Key_PageDown:
        return VkNext;
    case Qt::Key_End:
        return VkEnd;
    case Qt::Key_Home:
        return VkHome;
    case Qt::Key_Left:
        return VkLeft;
    case Qt::Key_Up:
        return VkUp;
    case Qt::Key_Right:
        return VkRight;
    case Qt::Key_Down:
        return VkDown;
    case Qt::Key_Select:
        return VkSelect;
    case Qt::Key_Printer:
        return VkPrint;
    case Qt::Key_Execute:
        return VkExecute;
    case Qt::Key_Print:
    case Qt::Key_SysReq:
        return VkSnapshot;
    case Qt::Key_Insert:
        return VkInsert;
    case Qt::Key_Delete:
        return VkDelete;
    case Qt::Key_Help:
        return VkHelp;
    case Qt::Key_Super_L:
    case Qt::Key_Meta:
        return VkLWin;
    case Qt::Key_Super_R:
        return VkRWin;
    case Qt::Key_Menu:
        return VkApps;
    case Qt::Key_NumLock:
        return VkNumLock;
    case Qt::Key_ScrollLock:
        return VkScroll;
    case Qt::Key_Play:
        return VkPlay;
    case Qt::Key_Zoom:
        return VkZoom;
    default:
        return 0;
    }
}

int virtualKeyFor(const QKeyEvent &event) {
    return virtualKeyFor(event.key(), event.modifiers(),
                         NativeKey{event.nativeVirtualKey(), event.nativeScanCode()});
}

int mouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    case Qt::BackButton:
        return 193; // the first extra button, "Mouse4"
    case Qt::ForwardButton:
        return 194; // "Mouse5"
    case Qt::ExtraButton3:
        return 195;
    case Qt::ExtraButton4:
        return 196;
    case Qt::ExtraButton5:
        return 197;
    default:
        return 0;
    }
}

} // namespace brevane::qt

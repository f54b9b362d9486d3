#pragma once
// Qt key and mouse events in the Windows numbering that text boxes report: virtual-key codes for keys,
// 1 / 2 / 4 for the left, right and middle mouse buttons.
#include <Qt>
#include <QtGlobal>

class QKeyEvent;

namespace brevane::qt {

/// What the platform says about a key beyond Qt's key code, used to tell left from right Shift, Control
/// and Alt: the native virtual key (an X11/xkb keysym, a Windows virtual key or a macOS key code) and
/// the native scan code.
struct NativeKey {
    quint32 virtualKey = 0;
    quint32 scanCode = 0;
};

/// The Windows virtual-key code of a key event; 0 when the key has none.
int virtualKeyFor(const QKeyEvent &event);
/// The same from the event's parts, so that every platform's native codes can be checked anywhere.
int virtualKeyFor(int qtKey, Qt::KeyboardModifiers modifiers, NativeKey native);

/// The toolkit's mouse button code: 1 left, 2 right, 4 middle, and the extra buttons in the game's
/// numbering from 193 (the first extra button, "Mouse4") to 197; 0 for anything else.
int mouseButtonCode(Qt::MouseButton button);

} // namespace brevane::qt

#pragma once
#include <string>

#include "toolkit/control.h"

namespace tk {

/// A single-line text box. Its text is Windows-1252 bytes.
class TextBox : public Control {
public:
    TextBox(Form& form, std::string name) : Control(form, std::move(name), true) {}

    const std::string& text() const { return m_text; }
    /// Sets the text; fires `Change` when it really differs, also when called from a Change handler.
    void setText(std::string text);
    /// What the view calls when the user edited the text: the same as setText.
    void userTypes(std::string text) { setText(std::move(text)); }

    bool locked() const { return m_locked; }
    void setLocked(bool on);
    /// Shown instead of every character when not 0 (the stats password shows "*").
    char passwordChar() const { return m_passwordChar; }
    void setPasswordChar(char c);

    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    bool fontBold() const { return m_fontBold; }
    void setFontBold(bool on);
    Color backColor() const { return m_backColor; }
    Color foreColor() const { return m_foreColor; }
    void setBackColor(Color c);
    void setForeColor(Color c);

    std::function<void()> Change;
    std::function<void(int keyCode)> KeyDown;
    std::function<void(int keyCode)> KeyUp;
    std::function<void(int charCode)> KeyPress;
    /// Button codes: 1 left, 2 right, 4 middle, the extra buttons 193 ("Mouse4") to 197. A press that
    /// gives the box the focus is reported before its GotFocus.
    std::function<void(int button)> MouseDown;

    void fireKeyDown(int code) { if (KeyDown) KeyDown(code); }
    void fireKeyUp(int code) { if (KeyUp) KeyUp(code); }
    void fireKeyPress(int code) { if (KeyPress) KeyPress(code); }
    void fireMouseDown(int button) { if (MouseDown) MouseDown(button); }

    /// True when the box wants every key (Tab, Escape, Enter, shortcuts) delivered to it rather than
    /// acted on by the window, as a bind box does while it captures.
    bool capturesAllKeys() const { return m_capturesAllKeys; }
    void setCapturesAllKeys(bool on) { m_capturesAllKeys = on; }
    /// False for boxes that must only take the focus from a mouse click (never by Tab).
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool on) { m_tabStop = on; }

private:
    std::string m_text;
    bool m_locked = false;
    char m_passwordChar = 0;
    double m_fontSize = 0; // 0: the window's font
    bool m_fontBold = true;
    Color m_backColor = DefaultColor;
    Color m_foreColor = DefaultColor;
    bool m_capturesAllKeys = false;
    bool m_tabStop = true;
};

} // namespace tk

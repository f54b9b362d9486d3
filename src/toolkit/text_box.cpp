#include "toolkit/text_box.h"

namespace tk {

void TextBox::setText(std::string text) {
    if (text == m_text) return;
    m_text = std::move(text);
    notify(Property::Text);
    if (Change) Change();
}

void TextBox::setLocked(bool on) {
    if (m_locked == on) return;
    m_locked = on;
    notify(Property::Locked);
}

void TextBox::setPasswordChar(char c) {
    if (m_passwordChar == c) return;
    m_passwordChar = c;
    notify(Property::Text);
}

void TextBox::setFontSize(double points) {
    if (m_fontSize == points) return;
    m_fontSize = points;
    notify(Property::Font);
}

void TextBox::setFontBold(bool on) {
    if (m_fontBold == on) return;
    m_fontBold = on;
    notify(Property::Font);
}

void TextBox::setBackColor(Color c) {
    if (m_backColor == c) return;
    m_backColor = c;
    notify(Property::Colors);
}

void TextBox::setForeColor(Color c) {
    if (m_foreColor == c) return;
    m_foreColor = c;
    notify(Property::Colors);
}

} // namespace tk

#include "toolkit/command_button.h"

namespace tk {

void CommandButton::setCaption(std::string caption) {
    if (m_caption == caption) return;
    m_caption = std::move(caption);
    notify(Property::Caption);
}

void Label::setCaption(std::string caption) {
    if (m_caption == caption) return;
    m_caption = std::move(caption);
    notify(Property::Caption);
}

void Label::setForeColor(Color c) {
    if (m_foreColor == c) return;
    m_foreColor = c;
    notify(Property::Colors);
}

} // namespace tk

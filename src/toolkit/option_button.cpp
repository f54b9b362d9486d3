#include "toolkit/option_button.h"

namespace tk {

OptionButton::OptionButton(Form& form, std::string name, std::string caption, OptionGroup& group)
    : Control(form, std::move(name), true), m_caption(std::move(caption)), m_group(group) {
    m_group.m_buttons.push_back(this);
}

void OptionButton::setValueSilently(bool on) {
    if (m_value == on) return;
    m_value = on;
    notify(Property::Value);
}

void OptionButton::setValue(bool on) {
    if (on)
        for (OptionButton* other : m_group.m_buttons)
            if (other != this) other->setValueSilently(false);
    setValueSilently(on);
}

OptionButton* OptionGroup::selected() const {
    for (OptionButton* b : m_buttons)
        if (b->value()) return b;
    return nullptr;
}

std::string OptionGroup::selectedCaption() const {
    OptionButton* b = selected();
    return b ? b->caption() : std::string();
}

} // namespace tk

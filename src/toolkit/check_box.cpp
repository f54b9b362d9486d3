#include "toolkit/check_box.h"

namespace tk {

void CheckBox::setValue(int value) {
    value = value ? 1 : 0;
    if (m_value == value) return;
    m_value = value;
    notify(Property::Value);
}

void CheckBox::setCaption(std::string caption) {
    if (m_caption == caption) return;
    m_caption = std::move(caption);
    notify(Property::Caption);
}

} // namespace tk

#include "toolkit/combo_box.h"

namespace tk {

void ComboBox::setText(std::string text) {
    if (m_text == text) return;
    m_text = std::move(text);
    notify(Property::Text);
}

void ComboBox::userPicks(int index) {
    if (index < 0 || index >= static_cast<int>(m_list.size())) return;
    setText(m_list[static_cast<size_t>(index)]);
    if (Click) Click();
}

void ComboBox::setList(std::vector<std::string> list) {
    m_list = std::move(list);
    notify(Property::List);
}

int ComboBox::listIndex() const {
    for (size_t i = 0; i < m_list.size(); ++i)
        if (m_list[i] == m_text) return static_cast<int>(i);
    return -1;
}

} // namespace tk

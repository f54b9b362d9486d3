#include "toolkit/rich_text_box.h"

#include <algorithm>

namespace tk {

void RichTextBox::setText(std::string text) {
    m_text = std::move(text);
    m_selStart = std::min<long>(m_selStart, static_cast<long>(m_text.size()));
    m_selLength = 0;
    notify(Property::Text);
}

void RichTextBox::userTypes(std::string text) {
    m_text = std::move(text);
    m_selStart = std::min<long>(m_selStart, static_cast<long>(m_text.size()));
    m_selLength = std::min<long>(m_selLength, static_cast<long>(m_text.size()) - m_selStart);
}

void RichTextBox::setSelection(long start, long length) {
    long size = static_cast<long>(m_text.size());
    m_selStart = std::clamp<long>(start, 0, size);
    m_selLength = std::clamp<long>(length, 0, size - m_selStart);
    notify(Property::Selection);
}

void RichTextBox::userSelects(long start, long length) {
    long size = static_cast<long>(m_text.size());
    m_selStart = std::clamp<long>(start, 0, size);
    m_selLength = std::clamp<long>(length, 0, size - m_selStart);
}

} // namespace tk

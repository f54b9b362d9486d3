#include "toolkit/picture_box.h"

namespace tk {

void PictureBox::setPicture(std::string path) {
    if (m_picture == path) return;
    m_picture = std::move(path);
    notify(Property::Picture);
}

void PictureBox::setFallbackPicture(std::string path) {
    if (m_fallback == path) return;
    m_fallback = std::move(path);
    notify(Property::Picture);
}

void PictureBox::setBackColor(Color c) {
    if (m_backColor == c) return;
    m_backColor = c;
    notify(Property::Colors);
}

} // namespace tk

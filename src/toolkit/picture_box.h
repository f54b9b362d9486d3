#pragma once
#include <string>

#include "toolkit/control.h"

namespace tk {

/// A picture box showing a JPEG or GIF file. The model keeps only the file path; a path whose file is
/// missing or unreadable shows `fallbackPicture` (or nothing when that is empty), never an error.
/// It can take the keyboard focus, which makes it the window's harmless parking place.
class PictureBox : public Control {
public:
    PictureBox(Form& form, std::string name) : Control(form, std::move(name), true) {}

    const std::string& picture() const { return m_picture; }
    void setPicture(std::string path);
    const std::string& fallbackPicture() const { return m_fallback; }
    void setFallbackPicture(std::string path);
    Color backColor() const { return m_backColor; }
    void setBackColor(Color c);

private:
    std::string m_picture;
    std::string m_fallback;
    Color m_backColor = DefaultColor;
};

} // namespace tk

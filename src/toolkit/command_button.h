#pragma once
#include <string>

#include "toolkit/control.h"

namespace tk {

/// A push button (also the small plus and minus buttons beside numeric boxes).
class CommandButton : public Control {
public:
    CommandButton(Form& form, std::string name, std::string caption)
        : Control(form, std::move(name), true), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);

    std::function<void()> Click;
    /// What the view calls when the user pressed the button.
    void userClicks() { if (enabled() && Click) Click(); }

private:
    std::string m_caption;
};

/// A label: caption and colours; clickable where a page gives it a handler.
class Label : public Control {
public:
    Label(Form& form, std::string name, std::string caption = {})
        : Control(form, std::move(name), false), m_caption(std::move(caption)) {}

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    Color foreColor() const { return m_foreColor; }
    void setForeColor(Color c);

    std::function<void()> Click;
    void userClicks() { if (Click) Click(); }

private:
    std::string m_caption;
    Color m_foreColor = DefaultColor;
};

} // namespace tk

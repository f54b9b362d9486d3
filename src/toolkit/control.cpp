#include "toolkit/control.h"

#include "toolkit/form.h"

namespace tk {

Control::Control(Form& form, std::string name, bool focusable)
    : m_form(form), m_name(std::move(name)), m_focusable(focusable) {
    m_form.registerControl(*this);
}

Control::~Control() { m_form.unregisterControl(*this); }

void Control::setEnabled(bool on) {
    if (m_enabled == on) return;
    m_enabled = on;
    notify(Property::Enabled);
}

void Control::setVisible(bool on) {
    if (m_visible == on) return;
    m_visible = on;
    notify(Property::Visible);
}

void Control::setToolTip(std::string text) {
    if (m_toolTip == text) return;
    m_toolTip = std::move(text);
    notify(Property::ToolTip);
}

std::string indexedName(const std::string& base, int index) {
    return base + "(" + std::to_string(index) + ")";
}

} // namespace tk

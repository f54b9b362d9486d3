#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/control.h"

namespace tk {

void Form::setFocus(Control* target) {
    if (target == m_focused) return;
    if (target && (!target->focusable() || !target->enabled() || !target->visible())) return;
    Control* previous = m_focused;
    m_focused = target;
    if (previous) previous->fireLostFocus();
    // A LostFocus handler may already have sent the focus somewhere else; that move won.
    if (m_focused != target) return;
    if (target) target->fireGotFocus();
    if (m_focused == target && m_focusObserver) m_focusObserver(target);
}

Control* Form::find(const std::string& name) const {
    auto it = m_byName.find(name);
    return it == m_byName.end() ? nullptr : it->second;
}

void Form::registerControl(Control& c) {
    m_byName[c.name()] = &c;
    m_order.push_back(&c);
}

void Form::unregisterControl(Control& c) {
    if (m_focused == &c) m_focused = nullptr;
    auto it = m_byName.find(c.name());
    if (it != m_byName.end() && it->second == &c) m_byName.erase(it);
    m_order.erase(std::remove(m_order.begin(), m_order.end(), &c), m_order.end());
}

} // namespace tk

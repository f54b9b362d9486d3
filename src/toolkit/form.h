#pragma once
// A form owns the keyboard focus and knows every control by name.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tk {

class Control;

class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    /// Moves the focus to `target` (nullptr clears it). Does nothing when `target` already has it.
    /// Otherwise fires LostFocus on the old control and then GotFocus on the new one; a handler may
    /// move the focus again, and each such move fires its own pair of events. A target that cannot
    /// take the focus (disabled, invisible or not focusable) is ignored.
    void setFocus(Control* target);
    Control* focused() const { return m_focused; }

    /// Called by the view after the model moved the focus, so the real widget follows.
    void setFocusObserver(std::function<void(Control*)> observer) { m_focusObserver = std::move(observer); }

    /// The control registered under `name`, or nullptr.
    Control* find(const std::string& name) const;
    /// Every registered control in the order of creation.
    const std::vector<Control*>& controls() const { return m_order; }

    void registerControl(Control& c);
    void unregisterControl(Control& c);

private:
    Control* m_focused = nullptr;
    std::function<void(Control*)> m_focusObserver;
    std::map<std::string, Control*> m_byName;
    std::vector<Control*> m_order;
};

} // namespace tk

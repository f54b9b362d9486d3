#pragma once
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

class OptionGroup;

/// An option button; at most one of a group is selected.
class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, std::string caption, OptionGroup& group);

    bool value() const { return m_value; }
    /// Selecting a button deselects the others of its group.
    void setValue(bool on);
    const std::string& caption() const { return m_caption; }
    OptionGroup& group() const { return m_group; }

private:
    friend class OptionGroup;
    void setValueSilently(bool on);
    bool m_value = false;
    std::string m_caption;
    OptionGroup& m_group;
};

/// The buttons that exclude each other (a frame's option buttons).
class OptionGroup {
public:
    explicit OptionGroup(std::string name) : m_name(std::move(name)) {}
    const std::string& name() const { return m_name; }
    const std::vector<OptionButton*>& buttons() const { return m_buttons; }
    /// The selected button, or nullptr.
    OptionButton* selected() const;
    /// Caption of the selected button, or "" when none is selected.
    std::string selectedCaption() const;

private:
    friend class OptionButton;
    std::string m_name;
    std::vector<OptionButton*> m_buttons;
};

} // namespace tk

#pragma once
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace tk {

/// An editable combo box with a fixed list given by the form.
class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string name, std::vector<std::string> list = {})
        : Control(form, std::move(name), true), m_list(std::move(list)) {}

    const std::string& text() const { return m_text; }
    /// Sets the text; fires no event (Click is only for a user's pick).
    void setText(std::string text);
    /// The user typed into the edit field: the text changes, no event fires.
    void userTypes(std::string text) { setText(std::move(text)); }
    /// The user picked list entry `index`: the text becomes the entry, then `Click` fires.
    void userPicks(int index);

    const std::vector<std::string>& list() const { return m_list; }
    void setList(std::vector<std::string> list);
    /// Index of the first entry equal to the text, or -1.
    int listIndex() const;

    std::function<void()> Click;

private:
    std::string m_text;
    std::vector<std::string> m_list;
};

} // namespace tk

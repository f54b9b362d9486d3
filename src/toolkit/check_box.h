#pragma once
#include <string>

#include "toolkit/control.h"

namespace tk {

/// A check box: value 0 unchecked, 1 checked. It has no events the program uses.
class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name, std::string caption = {})
        : Control(form, std::move(name), true), m_caption(std::move(caption)) {}

    int value() const { return m_value; }
    bool checked() const { return m_value == 1; }
    void setValue(int value);
    void setChecked(bool on) { setValue(on ? 1 : 0); }
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);

private:
    int m_value = 0;
    std::string m_caption;
};

} // namespace tk

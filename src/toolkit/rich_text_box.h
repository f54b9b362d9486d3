#pragma once
#include <string>

#include "toolkit/control.h"

namespace tk {

/// A multi-line text box: whole text (lines separated by CR LF, Windows-1252 bytes), a selection
/// (start from 0, length) that the view shows and scrolls to.
class RichTextBox : public Control {
public:
    RichTextBox(Form& form, std::string name) : Control(form, std::move(name), true) {}

    const std::string& text() const { return m_text; }
    void setText(std::string text);
    /// The user edited the text in the view.
    void userTypes(std::string text);

    long selStart() const { return m_selStart; }
    long selLength() const { return m_selLength; }
    /// Selects `length` bytes from `start` (clamped to the text) and asks the view to scroll there.
    void setSelection(long start, long length);
    /// The user moved the caret or selection in the view.
    void userSelects(long start, long length);

private:
    std::string m_text;
    long m_selStart = 0;
    long m_selLength = 0;
};

} // namespace tk

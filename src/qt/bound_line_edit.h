#pragma once
#include <QLineEdit>

namespace tk {
class TextBox;
}

namespace brevane::qt {

/// The line edit of a text box: reports key codes, characters and mouse buttons to the model, and
/// while the model asks it to capture every key it keeps Tab, Escape, Enter and shortcuts for itself.
class BoundLineEdit : public QLineEdit {
    Q_OBJECT
public:
    BoundLineEdit(tk::TextBox& model, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    tk::TextBox& m_model;
};

/// The game's virtual-key code (Windows numbering) of a Qt key event; 0 when it has none.
int virtualKeyFor(const QKeyEvent& event);
/// The toolkit's mouse button code: 1 left, 2 right, 4 middle, 5 and 6 the extra buttons; 0 otherwise.
int mouseButtonCode(Qt::MouseButton button);

} // namespace brevane::qt

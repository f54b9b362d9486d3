#pragma once
#include <QLineEdit>

#include "qt/virtual_keys.h"

namespace tk {
class TextBox;
}

namespace brevane::qt {

/// The line edit of a text box: reports key codes, characters and mouse buttons to the model, and
/// while the model asks it to capture every key it keeps Tab, Escape, Enter and shortcuts for itself.
///
/// A mouse press that gives the box the focus reaches the model's `MouseDown` before its `GotFocus`:
/// the box takes the click focus itself, after reporting the press. It takes the focus from Tab only
/// when the model's box is a tab stop, never from a tab switch or window activation otherwise.
class BoundLineEdit : public QLineEdit {
    Q_OBJECT
public:
    BoundLineEdit(tk::TextBox &model, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    tk::TextBox &m_model;
};

} // namespace brevane::qt

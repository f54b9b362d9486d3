#include "qt/bound_line_edit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "toolkit/text_box.h"

namespace brevane::qt {

BoundLineEdit::BoundLineEdit(tk::TextBox &model, QWidget *parent) : QLineEdit(parent), m_model(model) {
    // No click focus from Qt: Qt would give the focus before delivering the press, and the model's
    // events must come press first (see mousePressEvent).
    setFocusPolicy(model.tabStop() ? Qt::TabFocus : Qt::NoFocus);
}

bool BoundLineEdit::event(QEvent *event) {
    if (m_model.capturesAllKeys()) {
        // While capturing, no shortcut and no focus navigation may act on the key: it is the key
        // the user wants to bind.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent *>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void BoundLineEdit::keyPressEvent(QKeyEvent *event) {
    m_model.fireKeyDown(virtualKeyFor(*event));
    if (m_model.capturesAllKeys()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 256) m_model.fireKeyPress(text[0].unicode());
}

void BoundLineEdit::keyReleaseEvent(QKeyEvent *event) {
    if (event->isAutoRepeat()) return;
    m_model.fireKeyUp(virtualKeyFor(*event));
    if (m_model.capturesAllKeys()) {
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void BoundLineEdit::mousePressEvent(QMouseEvent *event) {
    QWidget *focusBefore = QApplication::focusWidget();
    if (int code = mouseButtonCode(event->button())) m_model.fireMouseDown(code);
    // Then the click gives the focus, unless the handler already moved it somewhere on purpose.
    if (!hasFocus() && QApplication::focusWidget() == focusBefore && isEnabled()) setFocus(Qt::MouseFocusReason);
    if (m_model.capturesAllKeys()) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

// A capturing box has no text selection, no drag and no middle-button paste: its text is a key name
// that only a capture may change.
void BoundLineEdit::mouseReleaseEvent(QMouseEvent *event) {
    if (m_model.capturesAllKeys()) return event->accept();
    QLineEdit::mouseReleaseEvent(event);
}

void BoundLineEdit::mouseMoveEvent(QMouseEvent *event) {
    if (m_model.capturesAllKeys()) return event->accept();
    QLineEdit::mouseMoveEvent(event);
}

void BoundLineEdit::mouseDoubleClickEvent(QMouseEvent *event) {
    if (m_model.capturesAllKeys()) return event->accept();
    QLineEdit::mouseDoubleClickEvent(event);
}

void BoundLineEdit::contextMenuEvent(QContextMenuEvent *event) {
    // A right click may be a key to bind; no menu pops up over a box that handles the mouse.
    if (m_model.MouseDown) return;
    QLineEdit::contextMenuEvent(event);
}

} // namespace brevane::qt

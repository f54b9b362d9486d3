#include "qt/bound_line_edit.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "toolkit/text_box.h"

namespace brevane::qt {

BoundLineEdit::BoundLineEdit(tk::TextBox& model, QWidget* parent) : QLineEdit(parent), m_model(model) {}

bool BoundLineEdit::event(QEvent* event) {
    if (m_model.capturesAllKeys()) {
        // While capturing, no shortcut and no focus navigation may act on the key: it is the key
        // the user wants to bind.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void BoundLineEdit::keyPressEvent(QKeyEvent* event) {
    m_model.fireKeyDown(virtualKeyFor(*event));
    if (m_model.capturesAllKeys()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() < 256) m_model.fireKeyPress(text[0].unicode());
}

void BoundLineEdit::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    m_model.fireKeyUp(virtualKeyFor(*event));
    if (m_model.capturesAllKeys()) {
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void BoundLineEdit::mousePressEvent(QMouseEvent* event) {
    if (!m_model.capturesAllKeys()) QLineEdit::mousePressEvent(event);
    int code = mouseButtonCode(event->button());
    if (code) m_model.fireMouseDown(code);
}

void BoundLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    // A right click may be a key to bind; no menu pops up over a box that handles the mouse.
    if (m_model.MouseDown) return;
    QLineEdit::contextMenuEvent(event);
}

int mouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    case Qt::BackButton: return 5;
    case Qt::ForwardButton: return 6;
    default: return 0;
    }
}

} // namespace brevane::qt

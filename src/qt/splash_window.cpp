#include "qt/splash_window.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>

#include "app/frm_splash.h"

namespace brevane::qt {

SplashWindow::SplashWindow(frmSplash& model, const QString& picturePath, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_model(model) {
    setObjectName("frmSplash");
    setFixedSize(800, 600);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 0x80));
    setPalette(palette);
    auto* picture = new QLabel(this);
    picture->setObjectName("SpalshPic");
    picture->setGeometry(0, 0, 800, 600);
    picture->setPixmap(QPixmap(picturePath));
    setFocusPolicy(Qt::StrongFocus);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!event->text().isEmpty() || key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter ||
        key == Qt::Key_Backspace || key == Qt::Key_Space) {
        m_model.Form_KeyPress();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace brevane::qt

#include "qt/picture_widget.h"

#include <QImageReader>
#include <QPixmap>

namespace brevane::qt {

PictureWidget::PictureWidget(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(16, 16);
}

void PictureWidget::showFile(const QString& path, const QString& fallback) {
    QPixmap pixmap;
    if (!path.isEmpty()) pixmap.load(path);
    if (pixmap.isNull() && !fallback.isEmpty()) pixmap.load(fallback);
    m_original = pixmap;
    rescale();
}

void PictureWidget::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    rescale();
}

// The picture box is where the window parks the focus: it shows no focus frame.
void PictureWidget::focusInEvent(QFocusEvent* event) { QLabel::focusInEvent(event); }
void PictureWidget::focusOutEvent(QFocusEvent* event) { QLabel::focusOutEvent(event); }

void PictureWidget::rescale() {
    if (m_original.isNull()) {
        clear();
        return;
    }
    setPixmap(m_original.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace brevane::qt

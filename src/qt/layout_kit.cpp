#include "qt/layout_kit.h"

namespace brevane::qt {

QGroupBox* makeFrame(const QString& title, QGridLayout*& grid) {
    auto* frame = new QGroupBox(title);
    grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    return frame;
}

QWidget* makePage(QGridLayout*& grid) {
    auto* page = new QWidget;
    grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(6);
    return page;
}

} // namespace brevane::qt

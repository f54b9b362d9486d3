#include "qt/app_style.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace brevane::qt {

void applyAppStyle(QApplication& app) {
    app.setStyle(QStyleFactory::create("Fusion"));
    // Verdana where it is installed; otherwise DejaVu Sans, which was drawn after it.
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    QFont font("Verdana");
    font.setPointSizeF(8.0);
    font.setBold(true);
    app.setFont(font);
    app.setStyleSheet(
        "QTabBar::tab { padding: 4px 5px; font-weight: normal; }"
        "QGroupBox { margin-top: 7px; padding-top: 3px; }"
        "QGroupBox::title { subcontrol-origin: margin; left: 7px; padding: 0 3px; }");
}

} // namespace brevane::qt

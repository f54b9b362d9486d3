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
        "QTabBar::tab { padding: 4px 4px; font-weight: normal; border: 1px solid #9a9fa8; border-bottom: none;"
        "  border-top-left-radius: 3px; border-top-right-radius: 3px;"
        "  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f6f7f9, stop:1 #d9dce2); }"
        "QTabBar::tab:selected { background: #ffffff; color: #0a1f5c; }"
        "QTabBar::tab:!selected { margin-top: 2px; color: #30343a; }"
        "QTabBar::tab:hover:!selected { background: #eef3fb; }"
        // The frame line runs through the middle of the caption, whose background hides it there, and
        // the contents start below the line.
        "QGroupBox { border: 1px solid #b4b8c0; border-radius: 3px; margin-top: 7px; padding-top: 7px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        "  padding: 0 3px; background: palette(window); }");
}

} // namespace brevane::qt

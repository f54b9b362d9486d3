#include "qt/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

#include "qt/main_window.h"

namespace brevane::qt {

namespace {
void save(QWidget& widget, const QString& path) {
    QApplication::processEvents();
    if (!widget.grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}
} // namespace

void takeScreenshots(QWidget& splash, MainWindow& window, const QString& outDir,
                     std::function<QWidget*()> openAbout) {
    QDir().mkpath(outDir);
    QTimer::singleShot(300, &window, [&splash, &window, outDir, openAbout] {
        save(splash, outDir + "/splash.png");
        window.showMainWindow();
        for (int i = 0; i < window.tabs()->count(); ++i) {
            window.tabs()->setCurrentIndex(i);
            save(window, outDir + QString("/tab-%1.png").arg(i, 2, 10, QChar('0')));
        }
        window.tabs()->setCurrentIndex(0);
        if (openAbout)
            if (QWidget* about = openAbout()) save(*about, outDir + "/about.png");
        QApplication::quit();
    });
}

} // namespace brevane::qt

#include "qt/screenshots.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
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
        // File > Review Changes over the loaded files.
        if (auto* review = window.findChild<QAction*>("mnuFileReview")) {
            review->trigger();
            if (auto* dialog = window.findChild<QDialog*>("frmReviewChanges")) {
                save(*dialog, outDir + "/review-changes.png");
                dialog->close();
            }
        }
        if (openAbout)
            if (QWidget* about = openAbout()) save(*about, outDir + "/about.png");
        QApplication::quit();
    });
}

} // namespace brevane::qt

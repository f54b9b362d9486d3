#pragma once
#include <QString>
#include <functional>

class QWidget;

namespace brevane::qt {

class MainWindow;

/// Saves splash.png, tab-00.png .. tab-11.png (and about.png when `openAbout` gives a window) into
/// `outDir`, then quits the application. Runs from the event loop so every page is laid out.
void takeScreenshots(QWidget& splash, MainWindow& window, const QString& outDir,
                     std::function<QWidget*()> openAbout);

} // namespace brevane::qt

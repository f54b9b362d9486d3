#pragma once
// Small layout helpers shared by the tabs, so every page has the same margins, frames and spacing.
#include <QGridLayout>
#include <QGroupBox>
#include <QString>

namespace brevane::qt {

/// A titled frame with a grid inside, tight margins.
QGroupBox* makeFrame(const QString& title, QGridLayout*& grid);
/// A tab page with a grid of frames.
QWidget* makePage(QGridLayout*& grid);

} // namespace brevane::qt

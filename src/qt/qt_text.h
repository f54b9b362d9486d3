#pragma once
// The one place where the core's Windows-1252 bytes meet Qt's Unicode strings.
#include <QColor>
#include <QString>
#include <string>

#include "toolkit/control.h"

namespace brevane::qt {

/// Windows-1252 bytes to a QString (lossless for all 256 byte values).
QString toQt(const std::string& bytes);
/// A QString back to Windows-1252 bytes; characters the code page lacks become '?'.
std::string fromQt(const QString& text);
/// A toolkit colour (0x00BBGGRR) as a QColor.
QColor toQColor(tk::Color c);

} // namespace brevane::qt

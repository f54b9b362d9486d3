#pragma once
class QApplication;

namespace brevane::qt {

/// The window font (Verdana 8.25 pt bold, or its closest installed cousin) and the style sheet that
/// keeps all twelve tab captions readable at once in the fixed window.
void applyAppStyle(QApplication& app);

} // namespace brevane::qt

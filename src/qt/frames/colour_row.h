#pragma once
// One colour row: red, green and blue boxes with their minus / plus buttons beside a preview box whose
// background shows the colour. The same widget stands in the IRC, beacon, HUD and weapon frames.
class QWidget;

namespace brevane {
class ColourRows;
}

namespace brevane::qt {

class Binder;

/// Colour row `row` (0..24) as one compact widget, `previewWidth` pixels for the preview.
QWidget* buildColourRow(Binder& binder, ColourRows& rows, int row, int previewWidth = 110);
/// The same in two lines for narrow columns: the preview as a strip over the three components.
QWidget* buildColourStrip(Binder& binder, ColourRows& rows, int row);

} // namespace brevane::qt

#pragma once
// One row of a settings frame for a numeric box: its caption, the box, and the minus and plus buttons.
#include <QString>

class QGridLayout;

namespace brevane {
class NumericBoxFamily;
}

namespace brevane::qt {

class Binder;

/// Width of a numeric box: room for the longest values the pages hold ("0.008333", "10000").
inline constexpr int kNumericBoxWidth = 64;

/// Puts member `index` of `family` into `grid` at `row`, from column `column` on (four columns:
/// caption, box, minus, plus).
void addNumericRow(QGridLayout* grid, int row, int column, Binder& binder, const QString& caption,
                   NumericBoxFamily& family, int index);
/// The same in three columns, to stand under bind rows: caption, box, and both buttons together.
void addNumericRowBesideBindBoxes(QGridLayout* grid, int row, Binder& binder, const QString& caption,
                                  NumericBoxFamily& family, int index);

} // namespace brevane::qt

#pragma once
// Placing the controls of a settings page table: captions come from the page's rows, so a caption is
// written once, in the table.
#include <QString>

class QGridLayout;
class QLabel;

namespace tk {
class CheckBox;
class TextBox;
class ComboBox;
} // namespace tk

namespace brevane {
class NumericBoxFamily;
class TablePage;
} // namespace brevane

namespace brevane::qt {

class Binder;

/// A group heading in the dark blue of the other frames' headings ("V I E W S").
QLabel* sectionHeading(const QString& text);
/// Caption (from `page`), box and minus / plus buttons of family member `index`, in columns
/// `column` .. `column + 3` (the buttons span the last two). `boxWidth` fits the values the box holds.
void addNumberRow(QGridLayout* grid, int row, int column, Binder& binder, const TablePage& page,
                  NumericBoxFamily& family, int index, int boxWidth = 46);
/// Caption (from `page`) and the combo box, in columns `column` and `column + 1` (spanning `span`).
void addComboRow(QGridLayout* grid, int row, int column, Binder& binder, const TablePage& page, tk::ComboBox& box,
                 int span = 1);
/// Caption (from `page`) and a text box, in columns `column` and `column + 1` (spanning `span`).
void addTextRow(QGridLayout* grid, int row, int column, Binder& binder, const TablePage& page, tk::TextBox& box,
                int span = 1);

} // namespace brevane::qt

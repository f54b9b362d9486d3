#include "qt/frames/settings_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/binder.h"
#include "qt/qt_text.h"
#include "settings/numeric_box.h"
#include "settings/table_page.h"
#include "toolkit/combo_box.h"
#include "toolkit/text_box.h"

namespace brevane::qt {

QLabel* sectionHeading(const QString& text) {
    auto* heading = new QLabel(text);
    heading->setStyleSheet("color: #1c2f7a;");
    return heading;
}

void addNumberRow(QGridLayout* grid, int row, int column, Binder& binder, const TablePage& page,
                  NumericBoxFamily& family, int index, int boxWidth) {
    QLineEdit* box = binder.textBox(family.box(index));
    box->setFixedWidth(boxWidth);
    auto* caption = new QLabel(toQt(page.captionOf(family.box(index))));
    caption->setBuddy(box);
    grid->addWidget(caption, row, column);
    grid->addWidget(box, row, column + 1);
    // The two buttons stand close together, as one control.
    auto* buttons = new QWidget;
    auto* pair = new QHBoxLayout(buttons);
    pair->setContentsMargins(0, 0, 0, 0);
    pair->setSpacing(2);
    pair->addWidget(binder.button(family.minus(index), true));
    pair->addWidget(binder.button(family.plus(index), true));
    grid->addWidget(buttons, row, column + 2, 1, 2);
}

void addComboRow(QGridLayout* grid, int row, int column, Binder& binder, const TablePage& page, tk::ComboBox& box,
                 int span) {
    QComboBox* combo = binder.comboBox(box);
    auto* caption = new QLabel(toQt(page.captionOf(box)));
    caption->setBuddy(combo);
    grid->addWidget(caption, row, column);
    grid->addWidget(combo, row, column + 1, 1, span);
}

void addTextRow(QGridLayout* grid, int row, int column, Binder& binder, const TablePage& page, tk::TextBox& box,
                int span) {
    QLineEdit* edit = binder.textBox(box);
    auto* caption = new QLabel(toQt(page.captionOf(box)));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1, 1, span);
}

} // namespace brevane::qt

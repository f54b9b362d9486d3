#include "qt/frames/numeric_row.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/binder.h"
#include "settings/numeric_box.h"

namespace brevane::qt {

namespace {
QLabel* captionFor(const QString& caption, QLineEdit* box) {
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    return label;
}
} // namespace

void addNumericRow(QGridLayout* grid, int row, int column, Binder& binder, const QString& caption,
                   NumericBoxFamily& family, int index) {
    QLineEdit* box = binder.textBox(family.box(index));
    box->setFixedWidth(kNumericBoxWidth);
    grid->addWidget(captionFor(caption, box), row, column);
    grid->addWidget(box, row, column + 1);
    grid->addWidget(binder.button(family.minus(index), true), row, column + 2);
    grid->addWidget(binder.button(family.plus(index), true), row, column + 3);
}

void addNumericRowBesideBindBoxes(QGridLayout* grid, int row, Binder& binder, const QString& caption,
                                  NumericBoxFamily& family, int index) {
    QLineEdit* box = binder.textBox(family.box(index));
    box->setFixedWidth(kNumericBoxWidth);
    auto* buttons = new QWidget;
    auto* pair = new QHBoxLayout(buttons);
    pair->setContentsMargins(0, 0, 0, 0);
    pair->setSpacing(4);
    pair->addWidget(binder.button(family.minus(index), true));
    pair->addWidget(binder.button(family.plus(index), true));
    pair->addStretch(1);
    grid->addWidget(captionFor(caption, box), row, 0);
    grid->addWidget(box, row, 1, Qt::AlignLeft);
    grid->addWidget(buttons, row, 2);
}

} // namespace brevane::qt

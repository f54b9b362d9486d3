#include "qt/frames/colour_row.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/binder.h"
#include "settings/colour_rows.h"

namespace brevane::qt {

QWidget* buildColourRow(Binder& binder, ColourRows& rows, int row, int previewWidth) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(1);
    struct Component {
        const char* letter;
        const char* name;
        NumericBoxFamily* family;
    };
    const Component components[] = {
        {"R", "Red", &rows.red}, {"G", "Green", &rows.green}, {"B", "Blue", &rows.blue}};
    for (int line = 0; line < 3; ++line) {
        const Component& c = components[line];
        QLineEdit* box = binder.textBox(c.family->box(row));
        box->setFixedWidth(36);
        box->setToolTip(QString::fromLatin1(c.name));
        auto* label = new QLabel(QString::fromLatin1(c.letter));
        label->setBuddy(box);
        grid->addWidget(label, line, 0);
        grid->addWidget(binder.button(c.family->minus(row), true), line, 1);
        grid->addWidget(box, line, 2);
        grid->addWidget(binder.button(c.family->plus(row), true), line, 3);
    }
    QLineEdit* preview = binder.textBox(rows.tbx_IRCColor[row]);
    // The preview takes what the row leaves over; its caption in a smaller face fits the narrow frames.
    preview->setMinimumWidth(previewWidth);
    preview->setMinimumHeight(60);
    preview->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    preview->setTextMargins(0, 0, 0, 0);
    QFont small = preview->font();
    small.setPointSizeF(7);
    preview->setFont(small);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(preview, 0, 4, 3, 1);
    grid->setColumnStretch(4, 1);
    return widget;
}

QWidget* buildColourStrip(Binder& binder, ColourRows& rows, int row) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);
    QLineEdit* preview = binder.textBox(rows.tbx_IRCColor[row]);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(preview, 0, 0, 1, 12);
    const char* letters[] = {"R", "G", "B"};
    NumericBoxFamily* families[] = {&rows.red, &rows.green, &rows.blue};
    for (int c = 0; c < 3; ++c) {
        QLineEdit* box = binder.textBox(families[c]->box(row));
        box->setFixedWidth(30);
        auto* label = new QLabel(QString::fromLatin1(letters[c]));
        label->setBuddy(box);
        grid->addWidget(label, 1, c * 4);
        grid->addWidget(binder.button(families[c]->minus(row), true), 1, c * 4 + 1);
        grid->addWidget(box, 1, c * 4 + 2);
        grid->addWidget(binder.button(families[c]->plus(row), true), 1, c * 4 + 3);
    }
    return widget;
}

} // namespace brevane::qt

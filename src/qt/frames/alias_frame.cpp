#include "qt/frames/alias_frame.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/binder.h"
#include "qt/layout_kit.h"

namespace brevane::qt {

namespace {
QFrame *rule() {
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

QWidget *buildAliasPage(Binder &binder, tk::Label &heading, tk::RichTextBox &box, tk::CommandButton &add,
                        double pointSize) {
    QGridLayout *grid = nullptr;
    QWidget *page = makePage(grid);
    QGridLayout *inner = nullptr;
    QGroupBox *frame = makeFrame({}, inner);
    inner->setContentsMargins(10, 6, 10, 10);
    inner->setVerticalSpacing(6);

    QLabel *title = binder.label(heading);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(12);
    title->setFont(titleFont);
    inner->addWidget(title, 0, 0);
    inner->addWidget(rule(), 1, 0);

    QPlainTextEdit *text = binder.richText(box);
    QFont textFont("Verdana");
    textFont.setPointSizeF(pointSize);
    textFont.setBold(true);
    text->setFont(textFont);
    // Alias lines are long; keep them whole on one line each and scroll sideways instead.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    inner->addWidget(text, 2, 0);
    inner->setRowStretch(2, 1);

    inner->addWidget(rule(), 3, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *button = binder.button(add);
    button->setMinimumWidth(button->sizeHint().width() + 24);
    buttons->addWidget(button);
    inner->addLayout(buttons, 4, 0);

    grid->addWidget(frame, 0, 0);
    return page;
}

} // namespace brevane::qt

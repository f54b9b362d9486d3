// The "User.INI" and "UT2004.INI" tabs: the file's text on the left, and beside it a narrow panel
// with the file's name, the section jump, the search and the save button, ruled off by lines.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {
constexpr int kPanelWidth = 236;

/// `Line1(n)`: a thin rule between the panel's groups.
QFrame *rule(int n) {
    auto *line = new QFrame;
    line->setObjectName(QString("Line1(%1)").arg(n));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QWidget *sidePanel(TabContext &ctx, int index) {
    RawIniPages &raw = ctx.ini.rawPages;
    auto *panel = new QFrame;
    panel->setObjectName(index == 0 ? "Frame20(0)" : "Frame20(1)");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedWidth(kPanelWidth);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(10, 10, 10, 10);
    column->setSpacing(6);
    const int firstLine = index * 6;

    QLabel *title = ctx.binder.label(raw.Label15[index]);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(14);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(rule(firstLine));
    column->addWidget(title);
    column->addWidget(rule(firstLine + 1));
    column->addSpacing(8);

    column->addWidget(ctx.binder.label(raw.Label14[index]));
    QComboBox *sections = ctx.binder.comboBox(raw.cbx_Search_UserINI[index]);
    sections->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sections->setMinimumContentsLength(12);
    // The list drops down wide enough for the longest header, beyond the panel's edge.
    sections->view()->setMinimumWidth(sections->view()->sizeHintForColumn(0) + 24);
    column->addWidget(sections);
    column->addSpacing(8);
    column->addWidget(rule(firstLine + 2));
    column->addSpacing(8);

    auto *searchCaption = new QLabel("Search For");
    column->addWidget(searchCaption);
    QLineEdit *search = ctx.binder.textBox(raw.tbxSearch[index]);
    search->setClearButtonEnabled(false);
    column->addWidget(search);
    QPushButton *searchButton = ctx.binder.button(raw.cbSearch[index]);
    searchButton->setMinimumHeight(28);
    column->addWidget(searchButton);
    column->addSpacing(8);
    column->addWidget(rule(firstLine + 3));

    column->addStretch(1);
    column->addWidget(rule(firstLine + 4));
    auto *saveNote = new QLabel("Saves this text under a name you choose. The settings tabs and File \u25b8 Save "
                                "do not use it.");
    QFont noteFont = saveNote->font();
    noteFont.setBold(false);
    saveNote->setFont(noteFont);
    saveNote->setWordWrap(true);
    column->addWidget(saveNote);
    QPushButton *save = ctx.binder.button(raw.cb_SaveUserText[index]);
    QFont saveFont = save->font();
    saveFont.setPointSizeF(11);
    save->setFont(saveFont);
    save->setMinimumHeight(34);
    column->addWidget(save);
    column->addWidget(rule(firstLine + 5));
    return panel;
}

QWidget *rawPage(TabContext &ctx, int index) {
    QGridLayout *grid = nullptr;
    QWidget *page = makePage(grid);
    QPlainTextEdit *text = ctx.binder.richText(ctx.ini.RTB_User[index]);
    QFont font("Verdana");
    font.setPointSizeF(9.75);
    font.setBold(true);
    text->setFont(font);
    grid->addWidget(text, 0, 0);
    grid->addWidget(sidePanel(ctx, index), 0, 1);
    grid->setColumnStretch(0, 1);
    return page;
}
} // namespace

QWidget *buildUserIniTab(TabContext &ctx) {
    return rawPage(ctx, 0);
}
QWidget *buildGameIniTab(TabContext &ctx) {
    return rawPage(ctx, 1);
}

} // namespace brevane::qt

#include "qt/frames/bind_frames.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <string_view>
#include <vector>

#include "app/ini.h"
#include "bindings/bind_catalogue.h"
#include "qt/binder.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {

// 140 boxes share three tabs with other settings: small type, boxes just wide enough for the longest
// key name ("NumPadPeriod") in its 6-point resting font.
constexpr int kBoxWidth = 74;
constexpr int kBoxHeight = 19;
constexpr double kCaptionPoints = 7.5;
constexpr double kColumnHeadPoints = 6.5;

QLabel* smallLabel(const QString& text, double points, bool bold) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

/// Catalogue rows of one group, in catalogue order.
std::vector<int> rowsOf(std::string_view group) {
    std::vector<int> rows;
    for (int row = 0; row < kBindRowCount; ++row)
        if (kBindCatalogue[row].group == group) rows.push_back(row);
    return rows;
}

QGridLayout* newColumnGrid() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->setColumnMinimumWidth(1, kBoxWidth);
    grid->setColumnMinimumWidth(2, kBoxWidth);
    return grid;
}

void addHeading(BindColumn& column, std::string_view text) {
    QLabel* heading = smallLabel(QString::fromLatin1(text.data(), int(text.size())), 8, true);
    heading->setStyleSheet("color: #1c2f7a;");
    if (column.nextRow > 0) heading->setContentsMargins(0, 7, 0, 0); // a gap above a second group
    column.grid->addWidget(heading, column.nextRow++, 0, 1, 3, Qt::AlignLeft | Qt::AlignBottom);
}

void addColumnHeads(BindColumn& column) {
    const char* heads[] = {"A C T I O N", "K E Y 1", "K E Y 2"};
    for (int c = 0; c < 3; ++c) {
        QLabel* head = smallLabel(heads[c], kColumnHeadPoints, true);
        head->setObjectName(c == 0 ? "lbl_Action" : "lbl_KeyMove");
        column.grid->addWidget(head, column.nextRow, c, c == 0 ? Qt::AlignLeft : Qt::AlignHCenter);
    }
    ++column.nextRow;
}

void addBindRow(TabContext& ctx, BindColumn& column, int row) {
    const BindRow& entry = kBindCatalogue[row];
    QLabel* caption = smallLabel(QString::fromLatin1(entry.caption), kCaptionPoints, true);
    caption->setObjectName(entry.captionLabel);
    column.grid->addWidget(caption, column.nextRow, 0);
    for (int box : {firstKeyBox(row), secondKeyBox(row)}) {
        QLineEdit* edit = ctx.binder.textBox(ctx.ini.pages.bindKeys.tbx_Bind[box]);
        edit->setFixedSize(kBoxWidth, kBoxHeight);
        edit->setAlignment(Qt::AlignCenter);
        edit->setTextMargins(0, 0, 0, 0);
        column.grid->addWidget(edit, column.nextRow, box == firstKeyBox(row) ? 1 : 2);
    }
    ++column.nextRow;
}

void addGroup(TabContext& ctx, BindColumn& column, std::string_view group, bool withColumnHeads = true) {
    addHeading(column, group);
    if (withColumnHeads) addColumnHeads(column);
    for (int row : rowsOf(group))
        addBindRow(ctx, column, row);
}

/// A column's own widget, so that the frame's columns keep their natural widths side by side.
QWidget* columnWidget(BindColumn& column) {
    auto* holder = new QWidget;
    column.grid = newColumnGrid();
    holder->setLayout(column.grid);
    return holder;
}

/// An uncaptioned frame holding the columns side by side, each as tall as its own rows.
QGroupBox* columnsFrame(std::vector<BindColumn*> columns) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("", grid);
    grid->setHorizontalSpacing(14);
    for (int c = 0; c < int(columns.size()); ++c)
        grid->addWidget(columnWidget(*columns[c]), 0, c, Qt::AlignTop);
    return frame;
}

} // namespace

QGroupBox* buildTauntsFrame(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame(QString::fromLatin1(kGroupTaunts.data(), int(kGroupTaunts.size())), grid);
    BindColumn column;
    grid->addWidget(columnWidget(column), 0, 0, Qt::AlignTop | Qt::AlignLeft);
    addColumnHeads(column);
    for (int row : rowsOf(kGroupTaunts))
        addBindRow(ctx, column, row);
    return frame;
}

BindKeysFrame buildBindKeysFrame(TabContext& ctx) {
    BindColumn movement, weapons, gameMisc;
    BindKeysFrame result;
    result.frame = columnsFrame({&movement, &weapons, &gameMisc});
    result.frame->setObjectName("F_Bind");

    addGroup(ctx, movement, kGroupMovement);
    addGroup(ctx, movement, kGroupLooking);

    addGroup(ctx, weapons, kGroupWeapons);
    addGroup(ctx, weapons, kGroupWeaponSelection, false);

    // "Show FPS" is catalogued among the weapons but stands at the foot of the game column.
    addHeading(gameMisc, kGroupGameMisc);
    addColumnHeads(gameMisc);
    std::vector<int> rows = rowsOf(kGroupGameMisc);
    rows.push_back(rows.front());
    rows.erase(rows.begin());
    for (int row : rows)
        addBindRow(ctx, gameMisc, row);

    result.gameMisc = gameMisc;
    return result;
}

CommunicationBindFrame buildCommunicationBindFrame(TabContext& ctx) {
    CommunicationBindFrame result;
    result.frame = columnsFrame({&result.communication, &result.hudConfig});
    addGroup(ctx, result.communication, kGroupCommunication);
    addGroup(ctx, result.hudConfig, kGroupHudConfig);
    return result;
}

} // namespace brevane::qt

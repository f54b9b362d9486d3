#include "qt/frames/irc_assault_frames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/colour_row.h"
#include "qt/frames/numeric_row.h"
#include "qt/layout_kit.h"
#include "qt/qt_text.h"
#include "qt/tabs/tab_context.h"
#include "settings/colour_rows.h"

namespace brevane::qt {

namespace {

void addColourRows(TabContext& ctx, QGridLayout* grid, int gridRow, int column, int first, int count,
                   int perLine) {
    for (int k = 0; k < count; ++k)
        grid->addWidget(buildColourRow(ctx.binder, ctx.ini.pages.colourRows, first + k, 110),
                        gridRow + k / perLine, column + k % perLine);
}

} // namespace

QGroupBox* buildIrcFrame(TabContext& ctx) {
    ObjectivesIrc& page = ctx.ini.pages.objectivesIrc;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("IRC System", grid);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = ctx.binder.textBox(page.tbx_IRC[i]);
        auto* label = new QLabel(toQt(page.captionOf(page.tbx_IRC[i])));
        label->setBuddy(box);
        fields->addWidget(label, i, 0);
        fields->addWidget(box, i, 1);
    }
    QComboBox* channel = ctx.binder.comboBox(page.cbx_Channel);
    auto* channelLabel = new QLabel(toQt(page.captionOf(page.cbx_Channel)));
    channelLabel->setBuddy(channel);
    fields->addWidget(channelLabel, 4, 0);
    fields->addWidget(channel, 4, 1);
    fields->addWidget(ctx.binder.checkBox(page.c_IRC), 5, 0, 1, 2);
    grid->addLayout(fields, 0, 0);
    // The frame stands in a narrow column: each colour row is a strip over its components.
    for (int k = 0; k < 5; ++k)
        grid->addWidget(buildColourStrip(ctx.binder, ctx.ini.pages.colourRows, kFirstIrcColourRow + k), 1 + k, 0);
    return frame;
}

QGroupBox* buildBeaconFrame(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Beacon Colors", grid);
    addColourRows(ctx, grid, 0, 0, kFirstBeaconColourRow, 3, 3);
    grid->addWidget(ctx.binder.checkBox(ctx.ini.pages.customBeacon.c_CustomBeacon), 1, 0, 1, 3);
    return frame;
}

QGroupBox* buildHudColourFrame(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame({}, grid);
    addColourRows(ctx, grid, 0, 0, kHudColourRow, 1, 1);
    return frame;
}

QGroupBox* buildAssaultFrame(TabContext& ctx) {
    ObjectivesIrc& page = ctx.ini.pages.objectivesIrc;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Assault Settings", grid);
    for (int i = 0; i < 8; ++i)
        grid->addWidget(ctx.binder.checkBox(page.c_Assault[i]), i, 0, 1, 4);
    int row = 8;
    for (int index : {11, 10, 9, 8})
        addNumericRow(grid, row++, 0, ctx.binder, toQt(page.captionOf(page.assaultNumber(index))), page.mouse(),
                      index);
    return frame;
}

} // namespace brevane::qt

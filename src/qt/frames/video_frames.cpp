#include "qt/frames/video_frames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/settings_rows.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {

constexpr int kLevelWidth = 96;

/// A grid inside `parent`'s cell, without margins of its own.
QGridLayout* subGrid(QGridLayout* parent, int row, int column, int rowSpan = 1, int columnSpan = 1) {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(parent->horizontalSpacing());
    grid->setVerticalSpacing(parent->verticalSpacing());
    parent->addLayout(grid, row, column, rowSpan, columnSpan, Qt::AlignTop | Qt::AlignLeft);
    return grid;
}

/// Check boxes of `array` from `first` to `last`, top down in `columns` columns from grid row `row`;
/// returns the row after them. Each column spans `span` grid columns.
int addSwitches(QGridLayout* grid, Binder& binder, tk::ControlArray<tk::CheckBox>& array, int first, int last,
                int row, int columns, int span) {
    const int count = last - first + 1;
    const int perColumn = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i)
        grid->addWidget(binder.checkBox(array[first + i]), row + i % perColumn, (i / perColumn) * span, 1, span);
    return row + perColumn;
}

/// A render device's frame: its switches 0..`lastSwitch` in `columns` columns of their own, each as wide
/// as its longest caption, over the number rows `firstNumber`..`lastNumber` of the video boxes.
QGroupBox* switchesOverNumbers(TabContext& ctx, const char* title, tk::ControlArray<tk::CheckBox>& switches,
                               int lastSwitch, int columns, int firstNumber, int lastNumber) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame(title, grid);
    addSwitches(subGrid(grid, 0, 0), ctx.binder, switches, 0, lastSwitch, 0, columns, 1);
    QGridLayout* numbers = subGrid(grid, 1, 0);
    for (int index = firstNumber; index <= lastNumber; ++index)
        addNumberRow(numbers, index - firstNumber, 0, ctx.binder, ctx.ini.pages.otherRenderDevices,
                     ctx.ini.pages.shared.video, index);
    numbers->setColumnStretch(4, 1); // the room to the right stays empty; the buttons keep together
    grid->setRowStretch(2, 1);
    return frame;
}

} // namespace

QGroupBox* buildClientSetupFrame(TabContext& ctx) {
    DisplayOptions& page = ctx.ini.pages.displayOptions;
    SharedControls& shared = ctx.ini.pages.shared;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Client Setup", grid);
    // c_Video(0) and (1) stand in the frame "Resolution" of the tab "Player Settings". The switches run
    // in two columns over the numbers, which stand beside the detail levels.
    QGridLayout* switches = subGrid(grid, 0, 0, 1, 2);
    addSwitches(switches, ctx.binder, shared.c_Video, 2, 11, 0, 2, 1);
    QGridLayout* numbers = subGrid(grid, 1, 0);
    for (int index = 3; index <= 6; ++index)
        addNumberRow(numbers, index - 3, 0, ctx.binder, page, shared.video, index);
    numbers->setRowStretch(4, 1);
    QGridLayout* levels = subGrid(grid, 1, 1);
    for (int index = 2; index <= 8; ++index) {
        addComboRow(levels, index - 2, 0, ctx.binder, page, shared.cbx_Video[index]);
        ctx.binder.widgetFor(&shared.cbx_Video[index])->setFixedWidth(kLevelWidth);
    }
    grid->setColumnMinimumWidth(0, 0);
    grid->setHorizontalSpacing(14);
    grid->setRowStretch(2, 1);
    return frame;
}

QGroupBox* buildDirect3DFrame(TabContext& ctx) {
    DisplayOptions& page = ctx.ini.pages.displayOptions;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Direct3D", grid);
    // Three columns of switches, the numbers in a fourth.
    QGridLayout* switches = subGrid(grid, 0, 0);
    addSwitches(switches, ctx.binder, page.c_D3D, 0, 22, 0, 3, 1);
    QGridLayout* numbers = subGrid(grid, 0, 1);
    for (int index = 7; index <= 12; ++index)
        addNumberRow(numbers, index - 7, 0, ctx.binder, page, ctx.ini.pages.shared.video, index);
    numbers->setRowStretch(6, 1);
    grid->setHorizontalSpacing(14);
    grid->setColumnStretch(2, 1);
    return frame;
}

QGroupBox* buildOpenGLFrame(TabContext& ctx) {
    return switchesOverNumbers(ctx, "OpenGL", ctx.ini.pages.otherRenderDevices.c_OpenGL, 9, 2, 13, 18);
}

QGroupBox* buildSoftwareFrame(TabContext& ctx) {
    OtherRenderDevices& page = ctx.ini.pages.otherRenderDevices;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Software", grid);
    int row = addSwitches(grid, ctx.binder, page.c_Software, 0, 5, 0, 2, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* buildPixomaticFrame(TabContext& ctx) {
    return switchesOverNumbers(ctx, "Pixomatic Render", ctx.ini.pages.otherRenderDevices.c_Pixo, 14, 3, 19, 21);
}

} // namespace brevane::qt

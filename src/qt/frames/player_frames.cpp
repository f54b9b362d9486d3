#include "qt/frames/player_frames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/settings_rows.h"
#include "qt/layout_kit.h"
#include "qt/picture_widget.h"
#include "qt/qt_text.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {
// The portraits are drawn 3:4.
constexpr int kPortraitWidth = 120;
constexpr int kPortraitHeight = 160;
constexpr int kResolutionWidth = 112;
} // namespace

QGroupBox* buildPlayerInformationFrame(TabContext& ctx) {
    PlayerProfile& p = ctx.ini.pages.playerProfile;
    Switches& s = ctx.ini.pages.switches;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Player Information", grid);
    int row = 0;
    addTextRow(grid, row++, 0, ctx.binder, p, p.tbx_Name, 3);
    addComboRow(grid, row++, 0, ctx.binder, p, p.cb_Character, 3);
    addTextRow(grid, row++, 0, ctx.binder, p, p.tbx_Stat_Name, 3);
    addTextRow(grid, row++, 0, ctx.binder, p, p.tbx_Stat_Pass, 3);

    auto* team = new QWidget;
    auto* teamRow = new QHBoxLayout(team);
    teamRow->setContentsMargins(0, 0, 0, 0);
    teamRow->addWidget(ctx.binder.optionButton(p.rb_Red));
    teamRow->addWidget(ctx.binder.optionButton(p.rb_Blue));
    teamRow->addStretch(1);
    grid->addWidget(new QLabel("Team Color"), row, 0);
    grid->addWidget(team, row++, 1, 1, 3);

    for (int index = 0; index <= 2; ++index)
        addNumberRow(grid, row++, 0, ctx.binder, p, p.spin, index);
    QLineEdit* unlocked = ctx.binder.textBox(p.tbx_Total_Unockedl_Char);
    unlocked->setFixedWidth(52);
    grid->addWidget(new QLabel(toQt(p.captionOf(p.tbx_Total_Unockedl_Char))), row, 0);
    grid->addWidget(unlocked, row++, 1);

    grid->addWidget(ctx.binder.checkBox(s.c_Player_Shadow), row++, 0, 1, 4);
    grid->addWidget(ctx.binder.checkBox(s.c_Footsteps), row++, 0, 1, 4);
    grid->addWidget(ctx.binder.checkBox(s.dodging), row++, 0, 1, 4);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* buildPortraitFrame(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("", grid);
    PictureWidget* portrait = ctx.binder.picture(ctx.ini.pb_Player);
    portrait->setFixedSize(kPortraitWidth, kPortraitHeight);
    grid->addWidget(portrait, 0, 0, Qt::AlignTop | Qt::AlignHCenter);
    grid->setRowStretch(1, 1);
    return frame;
}

QGroupBox* buildResolutionFrame(TabContext& ctx) {
    ResolutionRender& r = ctx.ini.pages.resolutionRender;
    SharedControls& shared = ctx.ini.pages.shared;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Resolution", grid);
    int row = 0;
    for (int index : {0, 1, 9}) {
        addComboRow(grid, row++, 0, ctx.binder, r, shared.cbx_Video[index]);
        ctx.binder.widgetFor(&shared.cbx_Video[index])->setFixedWidth(kResolutionWidth);
    }
    grid->addWidget(ctx.binder.checkBox(shared.c_Video[0]), row++, 0, 1, 2);
    grid->addWidget(ctx.binder.checkBox(shared.c_Video[1]), row++, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* buildRenderEngineFrame(TabContext& ctx) {
    ResolutionRender& r = ctx.ini.pages.resolutionRender;
    SharedControls& shared = ctx.ini.pages.shared;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Render Engine Settings", grid);
    int row = 0;
    addNumberRow(grid, row++, 0, ctx.binder, r, shared.video, 34, 60);
    for (int index = 0; index <= 2; ++index)
        addNumberRow(grid, row++, 0, ctx.binder, r, shared.video, index, 60);
    auto* devices = new QWidget;
    auto* line = new QHBoxLayout(devices);
    line->setContentsMargins(0, 4, 0, 0);
    for (int index = 0; index <= 2; ++index)
        line->addWidget(ctx.binder.optionButton(r.RenOption[index]));
    line->addStretch(1);
    grid->addWidget(devices, row++, 0, 1, 5);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(row, 1);
    return frame;
}

} // namespace brevane::qt

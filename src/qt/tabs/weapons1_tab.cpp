#include <QLabel>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/weapon_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"
#include "settings/weapon_frames.h"

namespace brevane::qt {

QWidget* buildWeapons1Tab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    // The first eight weapons share one enclosing frame.
    QGridLayout* inner = nullptr;
    grid->addWidget(makeFrame({}, inner), 0, 0);
    inner->setSpacing(4);
    addWeaponFrames(ctx, inner, 0, kWeaponFramesOnFirstTab);
    return page;
}

} // namespace brevane::qt

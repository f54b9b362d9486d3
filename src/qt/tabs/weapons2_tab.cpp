#include <QLabel>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/weapon_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"
#include "settings/weapon_frames.h"

namespace brevane::qt {

QWidget* buildWeapons2Tab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    addWeaponFrames(ctx, grid, kWeaponFramesOnFirstTab, kWeaponFrameCount - kWeaponFramesOnFirstTab);
    return page;
}

} // namespace brevane::qt

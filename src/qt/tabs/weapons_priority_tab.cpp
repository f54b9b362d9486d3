#include "app/ini.h"
#include "qt/frames/weapon_priority_frame.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildWeaponsPriorityTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    grid->addWidget(buildWeaponPriorityFrame(ctx.ini.pages.weaponPriority, ctx.binder), 0, 0);
    return page;
}

} // namespace brevane::qt

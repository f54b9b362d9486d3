#include <QLabel>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildWeapons1Tab(TabContext& ctx) {
    (void)ctx;
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    QGridLayout* inner = nullptr;
    grid->addWidget(makeFrame("Weapons 1", inner), 0, 0);
    return page;
}

} // namespace brevane::qt

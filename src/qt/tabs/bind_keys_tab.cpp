#include <QLabel>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/bind_frames.h"
#include "qt/frames/comm_number_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildBindKeysTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    BindKeysFrame bindFrame = buildBindKeysFrame(ctx);
    addNetworkNumbers(ctx, bindFrame.gameMisc);
    grid->addWidget(bindFrame.frame, 0, 0);
    return page;
}

} // namespace brevane::qt

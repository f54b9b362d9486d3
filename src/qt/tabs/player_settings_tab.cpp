#include <QVBoxLayout>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/bind_frames.h"
#include "qt/frames/player_frames.h"
#include "qt/frames/irc_assault_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildPlayerSettingsTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    // Left: the player over the display basics. Right: a column of frames, top down.
    grid->addWidget(buildPlayerInformationFrame(ctx), 0, 0);
    grid->addWidget(buildPortraitFrame(ctx), 0, 1);
    grid->addWidget(buildResolutionFrame(ctx), 1, 0);
    grid->addWidget(buildRenderEngineFrame(ctx), 1, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildTauntsFrame(ctx));
    right->addWidget(buildIrcFrame(ctx));
    right->addStretch(1);
    grid->addLayout(right, 0, 2, 3, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(buildBeaconFrame(ctx), 2, 0, 1, 2, Qt::AlignLeft);
    return page;
}

} // namespace brevane::qt

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/bind_frames.h"
#include "qt/layout_kit.h"
#include "qt/picture_widget.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildPlayerSettingsTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    QGridLayout* info = nullptr;
    QGroupBox* frame = makeFrame("Player Information", info);
    PictureWidget* portrait = ctx.binder.picture(ctx.ini.pb_Player);
    portrait->setFixedSize(120, 160);
    info->addWidget(portrait, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    info->setColumnStretch(1, 1);
    grid->addWidget(frame, 0, 0);
    grid->addWidget(buildTauntsFrame(ctx), 0, 1, Qt::AlignTop | Qt::AlignLeft);
    return page;
}

} // namespace brevane::qt

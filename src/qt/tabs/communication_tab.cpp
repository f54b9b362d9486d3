#include <QVBoxLayout>
#include <QLabel>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/bind_frames.h"
#include "qt/frames/comm_number_frames.h"
#include "qt/frames/switch_frames.h"
#include "qt/frames/irc_assault_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildCommunicationTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    CommunicationBindFrame bindFrame = buildCommunicationBindFrame(ctx);
    addCommunicationNumbers(ctx, bindFrame.communication);
    addHudNumbers(ctx, bindFrame.hudConfig);
    grid->addWidget(bindFrame.frame, 0, 0, Qt::AlignTop | Qt::AlignLeft);
    // The HUD colour stands under the switch column.
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildSwitchColumnFrame(ctx), 1);
    right->addWidget(buildHudColourFrame(ctx));
    grid->addLayout(right, 0, 1);
    grid->addWidget(buildSwitchGridFrame(ctx), 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    return page;
}

} // namespace brevane::qt

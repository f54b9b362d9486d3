#include <QVBoxLayout>
#include <QLabel>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/audio_frames.h"
#include "qt/frames/video_frames.h"
#include "qt/frames/irc_assault_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildAudioMiscTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    grid->addWidget(buildAudioSystemFrame(ctx), 0, 0);
    // The mouse and Assault frames share the right column.
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildMouseFrame(ctx));
    right->addWidget(buildAssaultFrame(ctx));
    right->addStretch(1);
    grid->addLayout(right, 0, 1, 3, 1);
    grid->addWidget(buildPixomaticFrame(ctx), 1, 0);
    grid->setRowStretch(2, 1);
    return page;
}

} // namespace brevane::qt

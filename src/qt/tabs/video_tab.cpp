#include <QVBoxLayout>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/video_frames.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget* buildVideoTab(TabContext& ctx) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    // Direct3D across the top; below it the client setup beside OpenGL over Software.
    grid->addWidget(buildDirect3DFrame(ctx), 0, 0, 1, 2);
    grid->addWidget(buildClientSetupFrame(ctx), 1, 0);
    auto* right = new QVBoxLayout;
    right->setSpacing(6);
    right->addWidget(buildOpenGLFrame(ctx));
    right->addWidget(buildSoftwareFrame(ctx));
    grid->addLayout(right, 1, 1);
    grid->setRowStretch(1, 1);
    return page;
}

} // namespace brevane::qt

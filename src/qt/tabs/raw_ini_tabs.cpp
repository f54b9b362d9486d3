#include <QPlainTextEdit>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {
QWidget* rawPage(TabContext& ctx, int index, const QString& title) {
    QGridLayout* grid = nullptr;
    QWidget* page = makePage(grid);
    QGridLayout* inner = nullptr;
    QGroupBox* frame = makeFrame(title, inner);
    QPlainTextEdit* text = ctx.binder.richText(ctx.ini.RTB_User[index]);
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(8.5);
    text->setFont(mono);
    inner->addWidget(text, 0, 0);
    grid->addWidget(frame, 0, 0);
    return page;
}
} // namespace

QWidget* buildUserIniTab(TabContext& ctx) { return rawPage(ctx, 0, "User.ini"); }
QWidget* buildGameIniTab(TabContext& ctx) { return rawPage(ctx, 1, "UT2004.ini"); }

} // namespace brevane::qt

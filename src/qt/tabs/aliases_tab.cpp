#include "app/ini.h"
#include "qt/frames/alias_frame.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget *buildAliasesTab(TabContext &ctx) {
    AliasPages &aliases = ctx.ini.aliasPages;
    return buildAliasPage(ctx.binder, aliases.aliasesCaption, ctx.ini.RTB_Aliases, aliases.cb_Aliases, 8.25);
}

} // namespace brevane::qt

#include "app/ini.h"
#include "qt/frames/alias_frame.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

QWidget *buildTextAliasTab(TabContext &ctx) {
    AliasPages &aliases = ctx.ini.aliasPages;
    return buildAliasPage(ctx.binder, aliases.speechCaption, ctx.ini.RTB_TextToSpeechAlias,
                          aliases.cb_TxTAlias_Add, 9.75);
}

} // namespace brevane::qt

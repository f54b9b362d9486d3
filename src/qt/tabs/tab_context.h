#pragma once
// What a tab's layout needs: the window model whose controls it places and the binder that makes
// their widgets. Each tab's layout lives in its own file; the frames inside come from the pages.
class QWidget;

namespace brevane {
class INI;
}

namespace brevane::qt {

class Binder;

struct TabContext {
    INI& ini;
    Binder& binder;
};

// One function per tab, in tab order.
QWidget* buildPlayerSettingsTab(TabContext& ctx);
QWidget* buildBindKeysTab(TabContext& ctx);
QWidget* buildCommunicationTab(TabContext& ctx);
QWidget* buildWeaponsPriorityTab(TabContext& ctx);
QWidget* buildWeapons1Tab(TabContext& ctx);
QWidget* buildWeapons2Tab(TabContext& ctx);
QWidget* buildVideoTab(TabContext& ctx);
QWidget* buildAudioMiscTab(TabContext& ctx);
QWidget* buildUserIniTab(TabContext& ctx);
QWidget* buildGameIniTab(TabContext& ctx);
QWidget* buildTextAliasTab(TabContext& ctx);
QWidget* buildAliasesTab(TabContext& ctx);

} // namespace brevane::qt

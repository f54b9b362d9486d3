#pragma once
// The frames of bind rows: a caption and two bind boxes ("K E Y 1", "K E Y 2") per command, under
// group headings, on the "Player Settings", "Bind Keys" and "&Communication / Hud" tabs.
class QGridLayout;
class QGroupBox;

namespace brevane::qt {

struct TabContext;

/// A column of bind rows: grid columns 0 (caption), 1 (K E Y 1 box) and 2 (K E Y 2 box). Rows of
/// other settings that stand below the bind rows go to `grid` from `nextRow` on.
struct BindColumn {
    QGridLayout* grid = nullptr;
    int nextRow = 0;
};

/// The frame "Taunts" of the "Player Settings" tab.
QGroupBox* buildTauntsFrame(TabContext& ctx);

/// The frame of the "Bind Keys" tab: three columns, "M O V E M E N T" over "L O O K I N G", "W E A P O N S"
/// over "W E A P O N S  S E L E C T I O N", and "G A M E / M I S C" ending with the "Show FPS" row.
struct BindKeysFrame {
    QGroupBox* frame = nullptr;
    BindColumn gameMisc; ///< the network number rows follow here
};
BindKeysFrame buildBindKeysFrame(TabContext& ctx);

/// The frame of the "&Communication / Hud" tab: "C O M M U N I C A T I O N" and "H U D  C O N F I G".
struct CommunicationBindFrame {
    QGroupBox* frame = nullptr;
    BindColumn communication; ///< number rows follow below the bind rows in each column
    BindColumn hudConfig;
};
CommunicationBindFrame buildCommunicationBindFrame(TabContext& ctx);

} // namespace brevane::qt

#pragma once
// The frames of the IRC client, the beacon and HUD colours and the Assault objectives.
class QGroupBox;

namespace brevane::qt {

struct TabContext;

/// "IRC System" ("Player Settings"): the four boxes, the channel, text to speech and five colour rows.
QGroupBox* buildIrcFrame(TabContext& ctx);
/// "Beacon Colors" ("Player Settings"): the three beacon colour rows and "Use Custom beacon Color".
QGroupBox* buildBeaconFrame(TabContext& ctx);
/// The uncaptioned frame of the HUD colour ("&Communication / Hud").
QGroupBox* buildHudColourFrame(TabContext& ctx);
/// "Assault Settings" ("Audio / Misc"): eight switches and four numbers.
QGroupBox* buildAssaultFrame(TabContext& ctx);

} // namespace brevane::qt

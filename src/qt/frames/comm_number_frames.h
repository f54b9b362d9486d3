#pragma once
// The communication and HUD numbers where they stand: below the bind rows of the communication and HUD
// columns of the "&Communication / Hud" tab, and at the foot of the Game / Misc column of "Bind Keys".

namespace brevane::qt {

struct TabContext;
struct BindColumn;

/// The voice and announcer volumes and the ambient sound (tbx_Comm 0..3).
void addCommunicationNumbers(TabContext& ctx, BindColumn& column);
/// HUD opacity and scale and the console message numbers (tbx_Comm 4..8).
void addHudNumbers(TabContext& ctx, BindColumn& column);
/// Ping threshold, internet and LAN speed (tbx_Comm 9..11).
void addNetworkNumbers(TabContext& ctx, BindColumn& column);

} // namespace brevane::qt

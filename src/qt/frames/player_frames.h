#pragma once
// The frames of the tab "Player Settings" that hold the player profile, its switches, the portrait,
// the resolutions and the render engine settings.
class QGroupBox;

namespace brevane::qt {

struct TabContext;

/// "Player Information": name, character, stats account, team, bob, the two fields of view, unlocked
/// characters, and the switches "Player Shadows", "Play Own Footsteps", "Dodging".
QGroupBox* buildPlayerInformationFrame(TabContext& ctx);
/// The uncaptioned frame beside it with the portrait pb_Player.
QGroupBox* buildPortraitFrame(TabContext& ctx);
/// "Resolution": the three resolution combo boxes, "Full Screen" and "Screen Flashes".
QGroupBox* buildResolutionFrame(TabContext& ctx);
/// "Render Engine Settings": min refresh rate, gamma, brightness, contrast and the render device.
QGroupBox* buildRenderEngineFrame(TabContext& ctx);

} // namespace brevane::qt

#pragma once
// The thirty-six game and HUD switches of the tab "&Communication / Hud": a right-hand column under
// the headings "F O R C E   F E E D B A C K", "V I E W S" and "N E T / S T A T S", and a grid of five
// columns and five rows along the bottom of the tab.
class QGroupBox;

namespace brevane::qt {

struct TabContext;

/// The right-hand column of switches (uncaptioned frame).
QGroupBox* buildSwitchColumnFrame(TabContext& ctx);
/// The five-by-five grid of the remaining switches (uncaptioned frame).
QGroupBox* buildSwitchGridFrame(TabContext& ctx);

} // namespace brevane::qt

#pragma once
// The weapon frames of the tabs "Weapons 1" and "Weapons 2": picture, switches, crosshair chooser with
// its picture, crosshair scale and crosshair colour, in a regular grid of four columns.
class QGridLayout;
class QGroupBox;

namespace brevane::qt {

struct TabContext;

/// Weapon frame `index` (0..15).
QGroupBox* buildWeaponFrame(TabContext& ctx, int index);
/// Frames first..first+count-1 into `grid`, four to a row.
void addWeaponFrames(TabContext& ctx, QGridLayout* grid, int first, int count);

} // namespace brevane::qt

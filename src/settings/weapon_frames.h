#pragma once
// The 16 weapon frames of the tabs "Weapons 1" (frames 0..7) and "Weapons 2" (8..15). A frame's index is
// the index of every control in it: its switches, crosshair chooser and picture, its colour row (9 + i)
// and its crosshair scale box tbx_Comm(12 + i).
#include <array>
#include <string>

namespace brevane {

struct WeaponFrame {
    const char* caption;     ///< the frame's caption, as the window has always spelled it
    const char* displayName; ///< the weapon's display name (priority list, picture file names)
};

constexpr int kWeaponFrameCount = 16;
/// Frames on the first weapons tab; the rest stand on the second.
constexpr int kWeaponFramesOnFirstTab = 8;

extern const std::array<WeaponFrame, kWeaponFrameCount> kWeaponFrames;

/// The section header line of frame `index` in User.ini ("[XWeapons.Redeemer]").
std::string weaponFrameSection(int index);

} // namespace brevane

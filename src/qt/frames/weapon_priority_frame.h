#pragma once
// The frame of the " Weapons Priority" tab: the column of 17 slots with its move buttons on the left,
// the chosen weapon's pictures, heading and description on the right.
class QGroupBox;

namespace brevane {
class WeaponPriority;
}

namespace brevane::qt {

class Binder;

QGroupBox* buildWeaponPriorityFrame(WeaponPriority& page, Binder& binder);

} // namespace brevane::qt

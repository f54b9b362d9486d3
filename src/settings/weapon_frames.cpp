#include "settings/weapon_frames.h"

#include "settings/weapon_sections.h"

namespace brevane {

const std::array<WeaponFrame, kWeaponFrameCount> kWeaponFrames = {{
    {"REDEEMER", "Redeemer"},
    {"ION PAINTER", "Ion Painter"},
    {"CLASSIC SNIPER", "Classic Sniper"},
    {"SNIPER", "Sniper Rifle"},
    {"ROCKET LAUNCHER", "Rocket Launcher"},
    {"FLAK CANNON", "Flak Cannon"},
    {"GRENADE LAUNCHER", "Grenade Launcher"},
    {"MINIGUN", "Minigun"},
    {"AVRiL", "AVRiL"},
    {"LINK GUN", "LinkGun"},
    {"SHOCK RIFLE", "Shock Rifle"},
    {"MINE LAYER", "Mine Layer"},
    {"BIO-RIFLE", "Bio-Rifle"},
    {"ASSUALST RIFLE", "Assault Rifle"},
    {"SHIELD GUN", "Shield Gun"},
    {"TRANSLAUNCHER", "Translauncher"},
}};

std::string weaponFrameSection(int index) {
    return WeaponSectionFor(kWeaponFrames.at(index).displayName);
}

} // namespace brevane

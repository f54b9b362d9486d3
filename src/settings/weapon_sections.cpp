#include "settings/weapon_sections.h"

namespace brevane {

const std::array<WeaponSection, 17> kWeaponSections = {{
    {"Redeemer", "[XWeapons.Redeemer]"},
    {"Ion Painter", "[XWeapons.Painter]"},
    {"ONS-Painter", "[OnslaughtFull.ONSPainter]"},
    {"Classic Sniper", "[UTClassic.ClassicSniperRifle]"},
    {"Sniper Rifle", "[XWeapons.SniperRifle]"},
    {"Rocket Launcher", "[XWeapons.RocketLauncher]"},
    {"Flak Cannon", "[XWeapons.FlakCannon]"},
    {"Grenade Launcher", "[Onslaught.ONSGrenadeLauncher]"},
    {"Minigun", "[XWeapons.Minigun]"},
    {"AVRiL", "[Onslaught.ONSAVRiL]"},
    {"LinkGun", "[XWeapons.LinkGun]"},
    {"Shock Rifle", "[XWeapons.ShockRifle]"},
    {"Mine Layer", "[Onslaught.ONSMineLayer]"},
    {"Bio-Rifle", "[XWeapons.BioRifle]"},
    {"Assault Rifle", "[XWeapons.AssaultRifle]"},
    {"Shield Gun", "[XWeapons.ShieldGun]"},
    {"Translauncher", "[XWeapons.Translauncher]"},
}};

std::string WeaponSectionFor(std::string_view displayName) {
    for (const WeaponSection& weapon : kWeaponSections)
        if (displayName == weapon.displayName) return weapon.header;
    return {};
}

} // namespace brevane

#include "settings/crosshairs.h"

#include "documents/config_document.h"

namespace brevane {

const std::array<Crosshair, 20> kCrosshairs = {{
    {"Avril", "ONSInterface-TX.avrilRETICLE"},
    {"Avril Track", "ONSInterface-TX.avrilRETICLEtrack"},
    {"Bracket 1", "Crosshairs.HUD.Crosshair_Bracket1"},
    {"Bracket 2", "Crosshairs.HUD.Crosshair_Bracket2"},
    {"Circle 1", "Crosshairs.HUD.Crosshair_Circle1"},
    {"Circle 2", "Crosshairs.HUD.Crosshair_Circle2"},
    {"Cross 1", "Crosshairs.HUD.Crosshair_Cross1"},
    {"Cross 2", "Crosshairs.HUD.Crosshair_Cross2"},
    {"Cross 3", "Crosshairs.HUD.Crosshair_Cross3"},
    {"Cross 4", "Crosshairs.HUD.Crosshair_Cross4"},
    {"Cross 5", "Crosshairs.HUD.Crosshair_Cross5"},
    {"Dot", "Crosshairs.HUD.Crosshair_Dot"},
    {"Grenade Launcher", "ONSInterface-TX.grenadeLauncherReticle"},
    {"Hidden", "Crosshairs.HUD.Crosshair_Hidden"},
    {"Mine Layer", "ONSInterface-TX.MineLayerReticle"},
    {"Pointer", "Crosshairs.HUD.Crosshair_Pointer"},
    {"Tank", "ONSInterface-TX.TankRectile"},
    {"Triad 1", "Crosshairs.HUD.Crosshair_Triad1"},
    {"Triad 2", "Crosshairs.HUD.Crosshair_Triad2"},
    {"Triad 3", "Crosshairs.HUD.Crosshair_Triad3"},
}};

const std::vector<std::string>& crosshairList() {
    static const std::vector<std::string> list = {
        "Avril Track", "Avril",   "Bracket 1", "Bracket 2", "Circle 1", "Circle 2",         "Cross 1",
        "Cross 2",     "Cross 3", "Cross 4",   "Cross 5",   "Dot",      "Grenade Launcher", "Hidden",
        "Mine Layer",  "Pointer", "Tank",      "Triad 1",   "Triad 2",  "Triad 3"};
    return list;
}

std::string GetCrosshair(std::string_view texture) {
    for (const Crosshair& crosshair : kCrosshairs)
        if (equalsIgnoreCase(texture, crosshair.texture)) return crosshair.displayName;
    return "Cross 1";
}

std::string CrosshairTextureFor(std::string_view displayName) {
    for (const Crosshair& crosshair : kCrosshairs)
        if (displayName == crosshair.displayName) return crosshair.texture;
    return {};
}

} // namespace brevane

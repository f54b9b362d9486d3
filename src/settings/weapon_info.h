#pragma once
// What the priority page tells about a weapon when its slot gets the focus: the weapon's name spaced
// out as a heading and a description of how the weapon plays.
#include <string>
#include <string_view>
#include <vector>

namespace brevane {

struct WeaponInfo {
    std::string slotText; ///< the weapon's display name as a slot shows it
    std::string heading;  ///< the name spaced out letter by letter
    std::string description;
};

/// The 19 entries: the 17 weapons of the list plus two the game has that the list never shows.
const std::vector<WeaponInfo>& weaponInfoTable();

/// The entry whose slot text equals `slotText` ignoring letter case; nullptr for any other text.
const WeaponInfo* weaponInfoFor(std::string_view slotText);

/// The heading above the list, never changed.
inline constexpr const char* kPriorityHeading = "W E A P O N S   P R I O R I T Y";
/// The information heading before any slot had the focus.
inline constexpr const char* kStartInfoHeading = "W E A P O N  I N F O ";
/// The description before any slot had the focus: how to use the page, then the translocator, whose
/// pictures the page shows at start.
std::string startInfoDescription();

} // namespace brevane

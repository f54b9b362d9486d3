#pragma once
// The weapon name table: each weapon's display name (as the priority list shows it) and the header
// line of its section in User.ini. The table order is the order in which the priority list is loaded.
#include <array>
#include <string>
#include <string_view>

namespace brevane {

struct WeaponSection {
    const char* displayName;
    const char* header;
};

/// The 17 weapons in table order.
extern const std::array<WeaponSection, 17> kWeaponSections;

/// The section header line of the weapon called `displayName` (compared exactly, case respected), or the
/// empty text for any other name, the empty text and other letter case included.
std::string WeaponSectionFor(std::string_view displayName);

} // namespace brevane

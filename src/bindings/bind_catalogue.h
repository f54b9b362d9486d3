#pragma once
// The 70 game commands of the bind boxes, in the order of load and save. Row k owns the boxes
// tbx_Bind(2k) (first key, "K E Y 1") and tbx_Bind(2k+1) (second key, "K E Y 2").
#include <array>
#include <string_view>

namespace brevane {

struct BindRow {
    const char *command;      ///< exact text of the User.ini value, spaces and letter case included
    const char *caption;      ///< the row's caption
    const char *captionLabel; ///< name of the caption's label control
    const char *group;        ///< the heading the row stands under
};

// Group headings, exactly as shown.
inline constexpr std::string_view kGroupTaunts = "Taunts";
inline constexpr std::string_view kGroupMovement = "M O V E M E N T";
inline constexpr std::string_view kGroupLooking = "L O O K I N G";
inline constexpr std::string_view kGroupWeapons = "W E A P O N S";
inline constexpr std::string_view kGroupWeaponSelection = "W E A P O N S  S E L E C T I O N";
inline constexpr std::string_view kGroupGameMisc = "G A M E / M I S C";
inline constexpr std::string_view kGroupCommunication = "C O M M U N I C A T I O N";
inline constexpr std::string_view kGroupHudConfig = "H U D  C O N F I G";

inline constexpr int kBindRowCount = 70;
inline constexpr int kBindBoxCount = 2 * kBindRowCount;

extern const std::array<BindRow, kBindRowCount> kBindCatalogue;

/// Index of the first key's box of row `row`; the second key's box follows it.
constexpr int firstKeyBox(int row) {
    return 2 * row;
}
constexpr int secondKeyBox(int row) {
    return 2 * row + 1;
}

} // namespace brevane

#pragma once
// The game's names of keys and mouse buttons (the original's module ANSII_Convert).
#include <optional>
#include <string>
#include <string_view>

namespace brevane {

/// The game's name of a Windows virtual-key or mouse-button code, exactly as it is written as a key of
/// User.ini ("W", "LeftMouse", "NumPad5"), or the empty text when the code has no name. Codes below 0
/// and above 254 have no name; 0 is named "None".
std::string KeyCodeToName(int code);

/// True when `name` is one of the game's key names, ignoring ASCII letter case.
bool isKeyName(std::string_view name);

/// The code the game's key name `name` stands for, ignoring ASCII letter case ("w" gives 87, "Mouse4"
/// 193, "None" 0); nullopt when `name` is no key name. The reverse of KeyCodeToName.
std::optional<int> KeyNameToCode(std::string_view name);

/// True for the codes a text box reports through MouseDown rather than as a key: 1, 2 and 4 (left,
/// right, middle) and the extra buttons 193 to 197 ("Mouse4" to "Mouse8").
bool isMouseButtonCode(int code);

} // namespace brevane

#pragma once
// The game's names of keys and mouse buttons (the original's module ANSII_Convert).
#include <string>
#include <string_view>

namespace brevane {

/// The game's name of a Windows virtual-key or mouse-button code, exactly as it is written as a key of
/// User.ini ("W", "LeftMouse", "NumPad5"), or the empty text when the code has no name. Codes below 0
/// and above 254 have no name; 0 is named "None".
std::string KeyCodeToName(int code);

/// True when `name` is one of the game's key names, ignoring ASCII letter case.
bool isKeyName(std::string_view name);

} // namespace brevane

#pragma once
// The crosshairs the weapon frames offer: the game stores a texture name, the window shows a display
// name and a picture of that name.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brevane {

struct Crosshair {
    const char* displayName;
    const char* texture;
};

/// The crosshair table in the order both translations test it.
extern const std::array<Crosshair, 20> kCrosshairs;

/// The entries of every crosshair combo box, in the order the list shows them.
const std::vector<std::string>& crosshairList();

/// The display name of texture name `texture`, compared ignoring case; "Cross 1" for any other text
/// (the empty text and textures of other packages included).
std::string GetCrosshair(std::string_view texture);

/// The texture name of `displayName`, compared exactly; the empty text for any other text.
std::string CrosshairTextureFor(std::string_view displayName);

} // namespace brevane

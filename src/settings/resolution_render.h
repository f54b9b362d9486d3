#pragma once
// The frames "Resolution" and "Render Engine Settings" of the tab "Player Settings" (UT2004.ini): the
// three resolutions (read from the Windows client, written to it and to the SDL client), the minimum
// frame rate, gamma, brightness, contrast, two switches, and the render device chosen by commenting
// and uncommenting the five RenderDevice lines.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/option_button.h"

namespace brevane {

/// The 13 entries of the resolution combo boxes ("846  X 768" has two blanks).
const std::vector<std::string>& resolutionList();

/// Splits "1024 X 768" at its first "X" (or its first "x" when it has no capital X) into the trimmed
/// width and height; nullopt when the text has neither.
std::optional<std::pair<std::string, std::string>> splitResolution(const std::string& text);

/// Rewrites the keys of the five RenderDevice lines of `doc` so that the device of `choice` (0 Direct3D,
/// 1 OpenGL, 2 Software) is the active one; values never change. Direct3D keeps the loaded Direct3D
/// device active when it is one of the block's first two lines, else the first line. Does nothing when
/// the block is not there as expected: RenderDevice or ";RenderDevice" missing, fewer than five lines
/// left, or a line of the five that is not a RenderDevice line. Returns whether it rewrote.
bool rewriteRenderDeviceBlock(ConfigDocument& doc, int choice, const std::string& loadedRenderDevice);

class ResolutionRender : public TablePage {
public:
    ResolutionRender(tk::Form& form, AppState& state, SharedControls& shared);

    tk::OptionGroup RenOptionGroup;
    tk::ControlArray<tk::OptionButton> RenOption; ///< 0 "Direct3D", 1 "OpenGL", 2 "Software"

private:
    void loadRenderDevice();
    void collectRenderDevice();
};

} // namespace brevane

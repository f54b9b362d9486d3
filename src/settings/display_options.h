#pragma once
// The frames "Client Setup" and "Direct3D" of the tab "Video" (UT2004.ini). The Direct3D keys live in
// the section of the Direct3D device in use, which each load decides (Direct3DSection) before reading.
#include <string>
#include <vector>

#include "settings/shared_controls.h"
#include "settings/table_page.h"
#include "toolkit/check_box.h"
#include "toolkit/control_array.h"

namespace brevane {

/// The texture detail levels of cbx_Video(2..8), in list order.
const std::vector<std::string>& detailLevels();

/// The section a load gives Direct3DSection for the document's first RenderDevice value.
std::string direct3DSectionFor(const std::string& renderDevice);

class DisplayOptions : public TablePage {
public:
    DisplayOptions(tk::Form& form, AppState& state, SharedControls& shared);

    /// Decides Direct3DSection, then loads the "Client Setup" rows and the "Direct3D" rows.
    void load() override;

    tk::ControlArray<tk::CheckBox> c_D3D; ///< 0..22

    /// Where the "Direct3D" rows begin in table(); the "Client Setup" rows come before.
    std::size_t firstDirect3DRow() const { return m_firstDirect3DRow; }

private:
    std::size_t m_firstDirect3DRow = 0;
};

} // namespace brevane

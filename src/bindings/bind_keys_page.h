#pragma once
// The bind boxes: 140 text boxes `tbx_Bind(0)`..`tbx_Bind(139)`, two per command of the catalogue,
// spread over the "Player Settings", "Bind Keys" and "&Communication / Hud" tabs. They are filled from
// the User.ini document at the full load, capture a key or mouse button when the user clicks one and
// presses it, and are stored back when the settings are collected.
#include <string>
#include <vector>

#include "settings/settings_step.h"
#include "toolkit/control_array.h"
#include "toolkit/picture_box.h"
#include "toolkit/text_box.h"

namespace brevane {

struct AppState;

/// What a capturing box shows.
inline constexpr const char *kCapturingText = "???";

class BindKeysPage : public SettingsStep {
public:
    /// `parking` takes the focus when a capture ends (the player picture `pb_Player`).
    BindKeysPage(tk::Form &form, AppState &state, tk::PictureBox &parking);

    tk::ControlArray<tk::TextBox> tbx_Bind;

    /// Each row's first box gets the command's first key, its second box the second key.
    void load() override;
    /// Stores every box, in index order, onto the line whose key is exactly the box's text.
    void collect() override;
    /// One row per box, "tbx_Bind(0)".."tbx_Bind(139)".
    std::vector<RowInfo> rows() const override;

    /// The step that closes the full load, after every other page: it gives every box its resting font.
    SettingsStep &finalPass() { return m_finalPass; }

    // The boxes' event handlers, each receiving the box index.
    void tbx_Bind_GotFocus(int index);
    void tbx_Bind_KeyUp(int index, int keyCode);
    void tbx_Bind_MouseDown(int index, int button);
    void tbx_Bind_LostFocus(int index);

private:
    struct FinalPass : SettingsStep {
        explicit FinalPass(BindKeysPage &page) : page(page) {}
        void load() override;
        void collect() override {}
        BindKeysPage &page;
    };

    void showCapturing(tk::TextBox &box);
    void showResting(tk::TextBox &box);

    AppState &m_state;
    tk::PictureBox &m_parking;
    FinalPass m_finalPass{*this};
};

} // namespace brevane

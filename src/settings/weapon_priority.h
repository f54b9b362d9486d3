#pragma once
// The weapon priority list: 17 slots, one weapon each, slot 16 at the top of the column. The game
// ranks its weapons by the Priority key of each weapon's section in User.ini; the list is loaded from
// those keys and writes each weapon back with its slot number. Moving a weapon swaps it with its
// neighbour. When a slot gets the focus the page shows the weapon's pictures, spaced name and
// description.
//
// `SelectedPrioritySlot` and `PriorityTable` belong to this page alone, so the page owns them rather
// than the program-wide AppState; the page lives as long as the window, so both survive reloads.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "settings/settings_step.h"
#include "toolkit/command_button.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/picture_box.h"
#include "toolkit/text_box.h"

namespace brevane {

class WeaponPriority : public SettingsStep {
public:
    static constexpr int kSlots = 17;
    /// Slot colours (0x00BBGGRR): the resting light blue, and the darker blue and dark red text of the
    /// slot with the focus.
    static constexpr tk::Color kRestingBack = tk::rgb(192, 192, 255);
    static constexpr tk::Color kFocusBack = tk::rgb(128, 128, 255);
    static constexpr tk::Color kFocusText = tk::rgb(128, 0, 0);
    static constexpr double kRestingFontSize = 10;
    static constexpr double kFocusFontSize = 12;

    WeaponPriority(tk::Form& form, AppState& state);

    /// The 17 slots; each holds a weapon's display name or nothing. They do not take typed text: the
    /// list is only ever rearranged by the move buttons.
    tk::ControlArray<tk::TextBox> tbx_WeaponPriority;
    /// The slot numbers "1" .. "17" beside the slots.
    tk::ControlArray<tk::Label> lbl_WeaponPriority;
    /// (0) moves the selected weapon up the column, (1) down.
    tk::ControlArray<tk::CommandButton> b_WeaponMove;
    tk::PictureBox pic_WeaponPriorityBig;
    tk::PictureBox pic_WeaponPrioritySmall;
    /// (0) the heading above the list; (1) the heading of the weapon information.
    tk::ControlArray<tk::Label> lbl_Movement;
    tk::Label lbl_WeaponInfo;

    /// The slot that last got the focus; 0 until one did, kept across loads.
    std::int16_t SelectedPrioritySlot = 0;
    /// For each weapon of the weapon order, the priority read at the last load, rounded.
    std::array<std::int16_t, kSlots> PriorityTable{};

    /// Shows the translocator's pictures, as the page does before any slot had the focus. Called once
    /// the program folder is known.
    void showStartPictures();

    /// Reads every weapon's priority and puts each weapon into the slot of that number; a later weapon
    /// of the order wins a slot two weapons claim. Weapons whose priority names no slot (below 0 or
    /// above 16) then go, in weapon order, into the lowest slots no weapon claimed.
    void load() override;
    /// Writes each slot's number as the priority of the weapon it holds. Slots holding no weapon name
    /// write nothing.
    void collect() override;
    /// One row per slot, top of the list (slot 16) last: the section is that of the weapon the slot
    /// holds now; a slot without a weapon has neither section nor key.
    std::vector<RowInfo> rows() const override;

    /// The picture files of a weapon, by the name a slot shows; "" for the empty name.
    std::string bigPicturePath(const std::string& slotText) const;
    std::string smallPicturePath(const std::string& slotText) const;

private:
    void slotGotFocus(int slot);
    void slotLostFocus(int slot);
    void moveSelected(int direction);
    void showPictures(const std::string& slotText);

    tk::Form& m_form;
    AppState& m_state;
};

} // namespace brevane

#include "settings/weapon_priority.h"

#include "documents/config_document.h"
#include "settings/number_text.h"
#include "settings/weapon_info.h"
#include "settings/weapon_sections.h"

namespace brevane {

namespace {

constexpr const char* kPriorityKey = "Priority";

// The stored value read the way every whole-number box reads its text: its leading number, rounded
// half to even into the 16-bit range.
std::int16_t storedPriority(const std::string& text) {
    return wholeNumber16(leadingNumber(text));
}

bool namesSlot(int priority) {
    return priority >= 0 && priority < WeaponPriority::kSlots;
}

} // namespace

WeaponPriority::WeaponPriority(tk::Form& form, AppState& state)
    : tbx_WeaponPriority(form, "tbx_WeaponPriority"), lbl_WeaponPriority(form, "lbl_WeaponPriority"),
      b_WeaponMove(form, "b_WeaponMove"), pic_WeaponPriorityBig(form, "pic_WeaponPriorityBig"),
      pic_WeaponPrioritySmall(form, "pic_WeaponPrioritySmall"), lbl_Movement(form, "lbl_Movement"),
      lbl_WeaponInfo(form, "lbl_WeaponInfo"), m_form(form), m_state(state) {
    // The top of the column first, so that the focus runs down the list in window order.
    for (int slot = kSlots - 1; slot >= 0; --slot) {
        tk::TextBox& box = tbx_WeaponPriority.add(slot);
        box.setLocked(true);
        box.setBackColor(kRestingBack);
        box.setFontSize(kRestingFontSize);
        box.GotFocus = [this, slot] { slotGotFocus(slot); };
        box.LostFocus = [this, slot] { slotLostFocus(slot); };
        lbl_WeaponPriority.add(slot, std::to_string(slot + 1));
    }
    b_WeaponMove.add(0, "").Click = [this] { moveSelected(+1); };
    b_WeaponMove.add(1, "").Click = [this] { moveSelected(-1); };
    lbl_Movement.add(0, kPriorityHeading);
    lbl_Movement.add(1, kStartInfoHeading);
    lbl_WeaponInfo.setCaption(startInfoDescription());
}

std::string WeaponPriority::bigPicturePath(const std::string& slotText) const {
    if (slotText.empty() || slotText.find_first_of("/\\") != std::string::npos) return {};
    return m_state.ProgramFolder + "Images/Weapon Pics/" + slotText + ".gif";
}

std::string WeaponPriority::smallPicturePath(const std::string& slotText) const {
    if (slotText.empty() || slotText.find_first_of("/\\") != std::string::npos) return {};
    return m_state.ProgramFolder + "Images/Weapon Small Pics/s" + slotText + ".gif";
}

void WeaponPriority::showStartPictures() {
    showPictures("Translauncher");
}

void WeaponPriority::showPictures(const std::string& slotText) {
    // A weapon without a picture file shows an empty picture rather than the previous weapon's.
    pic_WeaponPriorityBig.setPicture(bigPicturePath(slotText));
    pic_WeaponPrioritySmall.setPicture(smallPicturePath(slotText));
}

void WeaponPriority::load() {
    for (std::size_t k = 0; k < kWeaponSections.size(); ++k)
        PriorityTable[k] = storedPriority(GetVal2(m_state.userIni, kPriorityKey, kWeaponSections[k].header));

    std::array<bool, kSlots> claimed{};
    for (std::size_t k = 0; k < kWeaponSections.size(); ++k) {
        if (!namesSlot(PriorityTable[k])) continue;
        tbx_WeaponPriority[PriorityTable[k]].setText(kWeaponSections[k].displayName);
        claimed[PriorityTable[k]] = true;
    }
    // A priority the list cannot show must not lose the weapon: it goes after all the others, low in
    // the list, where the next save gives it a priority the game and this list agree on.
    for (std::size_t k = 0; k < kWeaponSections.size(); ++k) {
        if (namesSlot(PriorityTable[k])) continue;
        for (int slot = 0; slot < kSlots; ++slot) {
            if (claimed[slot]) continue;
            tbx_WeaponPriority[slot].setText(kWeaponSections[k].displayName);
            claimed[slot] = true;
            break;
        }
    }
    // A slot no weapon claims is empty: after File > Open it must not keep a weapon of the files
    // loaded before, which the next save would store a second time with a stale priority.
    for (int slot = 0; slot < kSlots; ++slot)
        if (!claimed[slot]) tbx_WeaponPriority[slot].setText("");
}

void WeaponPriority::collect() {
    for (int slot = 0; slot < kSlots; ++slot) {
        // An empty slot (two weapons shared a priority) has no section; looking one up would write
        // the slot number into whatever Priority line came first.
        const std::string header = WeaponSectionFor(tbx_WeaponPriority[slot].text());
        if (header.empty()) continue;
        storeValue(m_state.userIni, findKeyInSection(m_state.userIni, kPriorityKey, header), std::to_string(slot));
    }
}

std::vector<RowInfo> WeaponPriority::rows() const {
    std::vector<RowInfo> out;
    for (int slot = 0; slot < kSlots; ++slot) {
        const tk::TextBox& box = tbx_WeaponPriority[slot];
        RowInfo row;
        row.control = &box;
        row.name = box.name();
        row.caption = lbl_WeaponPriority[slot].caption();
        row.section = WeaponSectionFor(box.text());
        if (!row.section.empty()) row.key = kPriorityKey;
        out.push_back(std::move(row));
    }
    return out;
}

void WeaponPriority::slotGotFocus(int slot) {
    tk::TextBox& box = tbx_WeaponPriority[slot];
    box.setBackColor(kFocusBack);
    box.setFontSize(kFocusFontSize);
    box.setForeColor(kFocusText);
    SelectedPrioritySlot = static_cast<std::int16_t>(slot);
    showPictures(box.text());
    if (const WeaponInfo* info = weaponInfoFor(box.text())) {
        lbl_Movement[1].setCaption(info->heading);
        lbl_WeaponInfo.setCaption(info->description);
    }
}

void WeaponPriority::slotLostFocus(int slot) {
    tk::TextBox& box = tbx_WeaponPriority[slot];
    box.setBackColor(kRestingBack);
    box.setFontSize(kRestingFontSize);
    box.setForeColor(tk::DefaultColor);
}

void WeaponPriority::moveSelected(int direction) {
    const int from = SelectedPrioritySlot;
    const int to = from + direction;
    if (namesSlot(to)) {
        std::string moving = tbx_WeaponPriority[from].text();
        tbx_WeaponPriority[from].setText(tbx_WeaponPriority[to].text());
        tbx_WeaponPriority[to].setText(std::move(moving));
    }
    // At either end the weapon stays where it is and only gets the focus back.
    m_form.setFocus(&tbx_WeaponPriority[namesSlot(to) ? to : from]);
}

} // namespace brevane

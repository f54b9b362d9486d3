// Numeric boxes: the remembered text, the guard, the clamps and the spin buttons, for the player's
// boxes and the three shared families.
#include <gtest/gtest.h>

#include "page_harness.h"

namespace {

using settings_test::PageHarness;

struct Spin {
    enum Kind { Plus, Minus } kind;
    const char* expected;
};

/// Puts `start` into the box, then clicks the buttons and checks the text after each click.
void expectSpins(brevane::NumericBoxFamily& family, int index, const std::string& start,
                 std::initializer_list<Spin> spins) {
    family.box(index).setText(start);
    for (const Spin& spin : spins) {
        (spin.kind == Spin::Plus ? family.plus(index) : family.minus(index)).userClicks();
        EXPECT_EQ(family.box(index).text(), spin.expected)
            << family.box(index).name() << " from " << start << (spin.kind == Spin::Plus ? " +" : " -");
    }
}

TEST(NumericBox, NonNumericTextBringsBackTheTextRememberedOnFocus) {
    PageHarness h;
    auto& profile = h.ini.pages.playerProfile;
    profile.tbx_FOV.setText("90");
    h.ini.form.setFocus(&profile.tbx_FOV);
    profile.tbx_FOV.userTypes("90x");
    EXPECT_EQ(profile.tbx_FOV.text(), "90");
    profile.tbx_FOV.userTypes("");
    EXPECT_EQ(profile.tbx_FOV.text(), "90");
    profile.tbx_FOV.userTypes("9");
    profile.tbx_FOV.userTypes("95");
    EXPECT_EQ(profile.tbx_FOV.text(), "95");

    // The remembered text is the window's, not the box's: another box gets what tbx_FOV had.
    profile.tbx_FOV2.setText("abc");
    EXPECT_EQ(profile.tbx_FOV2.text(), "90");
    EXPECT_EQ(h.ini.state.LastGoodText, "90");
}

TEST(NumericBox, ALoneMinusSignInAnEmptyBoxIsRefused) {
    PageHarness h;
    auto& bob = h.ini.pages.playerProfile.tbx_Bob;
    h.ini.form.setFocus(&bob); // empty: the remembered text is empty too
    bob.userTypes("-");
    EXPECT_EQ(bob.text(), "");
    EXPECT_EQ(h.ini.state.LastGoodText, "");
}

TEST(NumericBox, ClampsRewriteValuesOnAndBeyondTheBounds) {
    PageHarness h;
    auto& p = h.ini.pages.playerProfile;
    const std::pair<tk::TextBox*, std::pair<const char*, const char*>> cases[] = {
        {&p.tbx_Bob, {"1.5", "1"}},
        {&p.tbx_Bob, {"1.0", "1"}},
        {&p.tbx_Bob, {"0.0", "0"}},
        {&p.tbx_Bob, {"0.5", "0.5"}},
        {&p.tbx_Bob, {"-0.2", "0"}},
        {&p.tbx_FOV, {"200", "180"}},
        {&p.tbx_FOV, {"-5", "0"}},
        {&p.tbx_FOV2, {"179.9", "179.9"}},
        {&h.ini.pages.shared.video.box(0), {"1.7", "1"}},
        {&h.ini.pages.shared.video.box(0), {"-0.3", "0"}},
        {&h.ini.pages.shared.video.box(5), {"-4", "-4"}},
        {&h.ini.pages.shared.comm.box(4), {"300", "255"}},
        {&h.ini.pages.shared.comm.box(4), {"-4", "0"}},
        {&h.ini.pages.shared.comm.box(6), {"12", "10"}},
        {&h.ini.pages.shared.comm.box(12), {"5", "5"}},
        {&h.ini.pages.shared.comm.box(10), {"99999", "99999"}},
        {&h.ini.pages.shared.mouse.box(2), {"0.00", "0"}},
        {&h.ini.pages.shared.mouse.box(11), {"4.05", "4"}},
    };
    for (const auto& [box, io] : cases) {
        box->setText("0.25");
        box->setText(io.first);
        EXPECT_EQ(box->text(), io.second) << box->name() << " given " << io.first;
    }
}

TEST(NumericBox, SpinButtonsStepAndLetTheClampsAct) {
    PageHarness h;
    auto& p = h.ini.pages.playerProfile;
    auto& shared = h.ini.pages.shared;
    using enum Spin::Kind;
    expectSpins(p.spin, 0, "0.999", {{Plus, "1"}, {Plus, "1"}, {Minus, "0.999"}});
    expectSpins(p.spin, 1, "", {{Plus, "5"}});
    expectSpins(p.spin, 2, "5", {{Minus, "0"}, {Minus, "0"}});
    expectSpins(shared.video, 0, "0.95", {{Plus, "1"}});
    expectSpins(shared.video, 9, "0.2", {{Minus, "0.1"}, {Minus, "0"}, {Minus, "-0.1"}, {Minus, "-0.2"}});
    expectSpins(shared.video, 8, "0.1", {{Minus, "0"}, {Minus, "0"}});
    expectSpins(shared.video, 18, "0", {{Minus, "-1"}});
    expectSpins(shared.video, 20, "2", {{Plus, "3"}, {Minus, "2"}, {Minus, "1"}, {Minus, "0"}, {Minus, "0"}});
    expectSpins(shared.video, 22, "3", {{Plus, "8"}, {Plus, "13"}});
    expectSpins(shared.video, 32, "2000",
                {{Plus, "3000"}, {Minus, "2000"}, {Minus, "1000"}, {Minus, "0"}, {Minus, "0"}});
    expectSpins(shared.video, 34, "5", {{Minus, "0"}, {Minus, "-5"}});
    EXPECT_EQ(&shared.video.box(34), &shared.tbx_MinRefRate);
    expectSpins(shared.mouse, 3, "0.008333", {{Plus, "0.009333"}, {Minus, "0.008333"}, {Minus, "0.007333"}});
    expectSpins(shared.mouse, 5, "0.25", {{Minus, "0.15"}, {Minus, "0.05"}, {Minus, "0"}});
    expectSpins(shared.mouse, 0, "1", {{Minus, "0.9"}});
    expectSpins(shared.mouse, 11, "3.95", {{Plus, "4"}});
    expectSpins(shared.comm, 3, "0.6", {{Plus, "0.7"}});
    expectSpins(shared.comm, 3, "0.95", {{Plus, "1"}});
    expectSpins(shared.comm, 3, "0.05", {{Minus, "0"}});
    expectSpins(shared.comm, 4, "252", {{Plus, "255"}});
    expectSpins(shared.comm, 9, "50", {{Minus, "0"}});
    expectSpins(shared.comm, 10, "10000", {{Plus, "11000"}});
    expectSpins(shared.comm, 12, "1.9", {{Plus, "2"}});
    expectSpins(shared.comm, 12, "0.1", {{Minus, "0"}});
}

TEST(NumericBox, FamiliesNameTheirMembersLikeTheWindow) {
    PageHarness h;
    for (const char* name :
         {"tbx_video(0)", "tbx_video(33)", "b_VideoAdd(34)", "b_VideoSub(34)", "tbx_Mouse(11)", "b_MouseAdd(8)",
          "tbx_Comm(27)", "b_Add(27)", "b_Sub(0)", "b_P_Add(2)", "tbx_MinRefRate"})
        EXPECT_NE(h.ini.form.find(name), nullptr) << name;
    for (const char* name : {"tbx_video(34)", "tbx_Mouse(6)", "tbx_Mouse(7)", "b_MouseAdd(6)"})
        EXPECT_EQ(h.ini.form.find(name), nullptr) << name;
}

} // namespace

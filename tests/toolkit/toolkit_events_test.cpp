// The event timing every page relies on: Change on every real text change (re-entrant), combo Click
// only on a user's pick, LostFocus before GotFocus on every focus move, also moves made by handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/command_button.h"
#include "toolkit/control_array.h"
#include "toolkit/form.h"
#include "toolkit/option_button.h"
#include "toolkit/picture_box.h"
#include "toolkit/text_box.h"
#include "toolkit/timer.h"

namespace {

TEST(TextBoxChange, FiresForEveryRealChangeAndNeverForTheSameText) {
    tk::Form form;
    tk::TextBox box(form, "tbx_FOV");
    int changes = 0;
    box.Change = [&] { ++changes; };
    box.setText("90");
    box.userTypes("90x");
    box.setText("90x"); // identical: no event
    EXPECT_EQ(changes, 2);
}

TEST(TextBoxChange, IsReentrantWhenAHandlerSetsItsOwnBox) {
    tk::Form form;
    tk::TextBox box(form, "tbx_FOV");
    std::vector<std::string> seen;
    // A guard that puts back the last good text when a non-number arrives.
    box.Change = [&] {
        seen.push_back(box.text());
        if (box.text() == "90x") box.setText("90");
    };
    box.userTypes("90x");
    EXPECT_EQ(box.text(), "90");
    EXPECT_EQ(seen, (std::vector<std::string>{"90x", "90"}));
}

TEST(ComboBoxClick, FiresOnlyWhenTheUserPicksAnEntry) {
    tk::Form form;
    tk::ComboBox combo(form, "cbx_Cross(0)", {"Cross 1", "Dot", "Tank"});
    std::vector<std::string> clicks;
    combo.Click = [&] { clicks.push_back(combo.text()); };
    combo.setText("Dot");
    combo.userTypes("Tan");
    combo.userPicks(2);
    combo.userPicks(7); // no such entry
    EXPECT_EQ(clicks, (std::vector<std::string>{"Tank"}));
    EXPECT_EQ(combo.listIndex(), 2);
}

struct FocusLog {
    std::vector<std::string> events;
    void watch(tk::Control& c) {
        c.GotFocus = [this, &c] { events.push_back("got " + c.name()); };
        c.LostFocus = [this, &c] { events.push_back("lost " + c.name()); };
    }
};

TEST(FormFocus, MovesFireLostFocusThenGotFocus) {
    tk::Form form;
    tk::TextBox a(form, "a"), b(form, "b");
    FocusLog log;
    log.watch(a);
    log.watch(b);
    form.setFocus(&a);
    form.setFocus(&a); // already there: nothing
    form.setFocus(&b);
    form.setFocus(nullptr);
    EXPECT_EQ(log.events, (std::vector<std::string>{"got a", "lost a", "got b", "lost b"}));
}

TEST(FormFocus, AMoveInsideAHandlerFiresItsOwnPairAndWins) {
    tk::Form form;
    tk::TextBox a(form, "a"), bind(form, "tbx_Bind(3)");
    tk::PictureBox player(form, "pb_Player");
    FocusLog log;
    log.watch(a);
    log.watch(player);
    bind.LostFocus = [&] { log.events.push_back("lost tbx_Bind(3)"); };
    // A bind box that parks the focus on the player picture as soon as it gets it.
    bind.GotFocus = [&] {
        log.events.push_back("got tbx_Bind(3)");
        form.setFocus(&player);
    };
    std::vector<tk::Control*> observed;
    form.setFocusObserver([&](tk::Control* c) { observed.push_back(c); });
    form.setFocus(&a);
    form.setFocus(&bind);
    EXPECT_EQ(log.events, (std::vector<std::string>{"got a", "lost a", "got tbx_Bind(3)", "lost tbx_Bind(3)",
                                                    "got pb_Player"}));
    EXPECT_EQ(form.focused(), &player);
    // The view is told where the focus finally rests, not about the intermediate stop.
    EXPECT_EQ(observed, (std::vector<tk::Control*>{&a, &player}));
}

TEST(FormFocus, IgnoresControlsThatCannotTakeIt) {
    tk::Form form;
    tk::TextBox a(form, "a"), disabled(form, "d");
    tk::Label label(form, "lbl");
    disabled.setEnabled(false);
    form.setFocus(&a);
    form.setFocus(&disabled);
    form.setFocus(&label);
    EXPECT_EQ(form.focused(), &a);
}

TEST(ControlArrays, NameMembersByIndexAndAreFoundByName) {
    tk::Form form;
    tk::ControlArray<tk::CheckBox> c_Hud(form, "c_Hud");
    c_Hud.add(8, "Quiet Menu");
    c_Hud.add(9, "No Tool Tips");
    EXPECT_EQ(form.find("c_Hud(8)"), &c_Hud[8]);
    EXPECT_EQ(c_Hud[9].caption(), "No Tool Tips");
    EXPECT_FALSE(c_Hud.has(0));
}

TEST(OptionGroups, SelectOneButtonAtATime) {
    tk::Form form;
    tk::OptionGroup group("RenderDevice");
    tk::OptionButton d3d(form, "rb_D3D", "Direct3D", group), gl(form, "rb_OpenGL", "OpenGL", group);
    EXPECT_EQ(group.selectedCaption(), "");
    d3d.setValue(true);
    gl.setValue(true);
    EXPECT_FALSE(d3d.value());
    EXPECT_EQ(group.selectedCaption(), "OpenGL");
}

TEST(Timers, FireOnlyWhileEnabledWithAnInterval) {
    tk::Timer timer;
    int ticks = 0;
    timer.Tick = [&] { ++ticks; };
    timer.fire();
    timer.setInterval(5000);
    timer.setEnabled(true);
    timer.fire();
    timer.setEnabled(false);
    timer.fire();
    EXPECT_EQ(ticks, 1);
}

TEST(CommandButtons, ADisabledButtonIgnoresClicks) {
    tk::Form form;
    tk::CommandButton plus(form, "b_Add(0)", "+");
    int clicks = 0;
    plus.Click = [&] { ++clicks; };
    plus.userClicks();
    plus.setEnabled(false);
    plus.userClicks();
    EXPECT_EQ(clicks, 1);
}

} // namespace

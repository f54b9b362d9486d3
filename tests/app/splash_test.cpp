#include <gtest/gtest.h>

#include "app/frm_splash.h"

namespace {

TEST(Splash, GivesWayOnceWhicheverComesFirst) {
    struct Case {
        const char* name;
        bool keyFirst;
    };
    for (Case c : {Case{"timer then key", false}, Case{"key then timer", true}}) {
        brevane::frmSplash splash;
        int shown = 0, closed = 0;
        splash.showMainWindow = [&] { ++shown; };
        splash.closeSplash = [&] { ++closed; };
        EXPECT_TRUE(splash.tmrShow.enabled()) << c.name;
        EXPECT_EQ(splash.tmrShow.interval(), 5000) << c.name;
        if (c.keyFirst) splash.Form_KeyPress();
        else splash.tmrShow.fire();
        splash.tmrShow.fire();
        splash.Form_KeyPress();
        EXPECT_EQ(shown, 1) << c.name;
        EXPECT_EQ(closed, 1) << c.name;
        EXPECT_FALSE(splash.tmrShow.enabled()) << c.name;
    }
}

} // namespace

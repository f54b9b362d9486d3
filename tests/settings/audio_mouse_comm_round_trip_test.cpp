// The audio, mouse and communication numbers end to end: both files with every key of the three pages
// are loaded by the full load and collected; every line then reads as the saved copy has it.
#include <gtest/gtest.h>

#include "app/ini.h"
#include "page_harness.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;

TEST(AudioMouseCommRoundTrip, EveryKeyComesBackByItsRule) {
    TempDir dir;
    const std::string data = "settings/audio_mouse_comm/";
    writeBytes(dir.path() / "User.ini", readBytes(fixture(data + "User.ini")));
    writeBytes(dir.path() / "UT2004.ini", readBytes(fixture(data + "UT2004.ini")));
    ScriptedServices s;
    brevane::INI ini(s.services(), BREVANE_BIN_DIR "/");
    brevane::LocateResult found;
    found.SystemFolder = found.InstalledSystemFolder = dir.folder();
    ini.Form_Load(found);
    ASSERT_TRUE(ini.state.documentsLoaded);

    ini.CollectSettings();
    auto savedLines = [&](const char* name) {
        brevane::ConfigDocument saved;
        saved.load(readBytes(fixture(data + name)));
        return settings_test::writtenLines(saved);
    };
    EXPECT_EQ(settings_test::writtenLines(ini.state.gameIni), savedLines("UT2004.saved.ini"));
    EXPECT_EQ(settings_test::writtenLines(ini.state.userIni), savedLines("User.saved.ini"));
}

} // namespace

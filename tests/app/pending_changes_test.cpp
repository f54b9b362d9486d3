// File > Review Changes: the diff of what a save would write, made without writing or changing anything.
#include <gtest/gtest.h>

#include "app/ini.h"
#include "support/scripted_services.h"
#include "support/test_support.h"
#include "toolkit/check_box.h"
#include "toolkit/text_box.h"

namespace {

using namespace testing_support;

struct Window {
    TempDir dir;
    ScriptedServices s;
    brevane::INI ini{s.services(), "/nonexistent/"};
    Window() {
        for (const char* name : {"User.ini", "UT2004.ini"})
            writeBytes(dir.path() / name, readBytes(assetsDir() / "Default" / name));
        ini.state.SystemFolder = ini.state.InstalledSystemFolder = dir.folder();
        ini.Load_INI_Form();
        // Settled by one save: the first save writes numbers the way the boxes show them.
        EXPECT_TRUE(ini.saveDocuments());
        ini.Load_INI_Form();
    }
    template <class T> T& control(const std::string& name) { return dynamic_cast<T&>(*ini.form.find(name)); }
};

TEST(PendingChanges, ShowsEachEditAsTheSaveWritesItAndTouchesNothing) {
    Window w;
    const std::string userBefore = readBytes(w.dir.path() / "User.ini");
    brevane::INI::PendingChanges unedited = w.ini.pendingChanges();
    ASSERT_TRUE(unedited.ok) << unedited.error;
    EXPECT_EQ(unedited.diff, "") << "a saved pair resaves unchanged";

    w.control<tk::TextBox>("tbx_Name").userTypes("Sniper");
    w.control<tk::CheckBox>("c_Player_Shadow").setChecked(false);
    const brevane::INI::PendingChanges edited = w.ini.pendingChanges();
    ASSERT_TRUE(edited.ok);
    EXPECT_EQ(edited.folder, w.dir.folder());
    EXPECT_NE(edited.diff.find("--- a/User.ini\n+++ b/User.ini\n"), std::string::npos) << edited.diff;
    EXPECT_NE(edited.diff.find("\n-Name=Player\r\n+Name=Sniper\r\n"), std::string::npos) << edited.diff;
    EXPECT_NE(edited.diff.find("\n+bPlayerShadows=False\r\n"), std::string::npos) << edited.diff;
    EXPECT_EQ(edited.diff.find("UT2004.ini"), std::string::npos) << "an unchanged file shows no hunk";

    // Nothing was written, and reviewing left the documents as they were: a second review gives the
    // same diff, and the save then writes exactly what the review showed.
    EXPECT_EQ(readBytes(w.dir.path() / "User.ini"), userBefore);
    EXPECT_EQ(w.ini.pendingChanges().diff, edited.diff);
    ASSERT_TRUE(w.ini.saveDocuments());
    EXPECT_EQ(w.ini.pendingChanges().diff, "");
}

TEST(PendingChanges, ComparesWithTheFolderTheSaveWritesTo) {
    Window w;
    // After File > New the save goes into the installation; a file missing there is compared with nothing.
    TempDir installation;
    writeBytes(installation.path() / "UT2004.ini", readBytes(w.dir.path() / "UT2004.ini"));
    w.ini.state.InstalledSystemFolder = installation.folder();
    w.ini.state.DefaultsLoaded = true;
    const brevane::INI::PendingChanges pending = w.ini.pendingChanges();
    ASSERT_TRUE(pending.ok) << pending.error;
    EXPECT_EQ(pending.folder, installation.folder());
    EXPECT_EQ(pending.diff.rfind("--- /dev/null\n+++ b/User.ini\n", 0), 0u) << pending.diff.substr(0, 80);

    // A file that cannot be read is named with the reason; so is a window with nothing loaded.
    std::filesystem::remove(installation.path() / "UT2004.ini");
    std::filesystem::create_directory(installation.path() / "UT2004.ini");
    const brevane::INI::PendingChanges unreadable = w.ini.pendingChanges();
    EXPECT_FALSE(unreadable.ok);
    EXPECT_NE(unreadable.error.find(installation.folder() + "UT2004.ini: "), std::string::npos) << unreadable.error;
    // The menu command says so in a message box instead of showing a review.
    int reviews = 0;
    w.ini.showReview = [&](const brevane::INI::PendingChanges&) { ++reviews; };
    w.ini.mnuFileReview_Click();
    ASSERT_EQ(w.s.messages.shown.size(), 1u);
    EXPECT_EQ(w.s.messages.shown[0].text.rfind("Brevane cannot tell what a save would change:", 0), 0u);
    EXPECT_EQ(reviews, 0);
    w.ini.state.documentsLoaded = false;
    EXPECT_FALSE(w.ini.pendingChanges().ok);
}

} // namespace

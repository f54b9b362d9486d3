// brevane-cli set: each kind of control takes its value the way the window takes it from a user (the
// guards, clamps and captures act as there), a dry run only prints, and every refusal leaves the files
// as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "bindings/bind_catalogue.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "cli/patch_applier.h"
#include "support/test_support.h"
#include "toolkit/control.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

/// A copy of a fixture folder: tests/data/cli/set by default, or the bundled default pair.
struct Folder {
    TempDir dir;
    fs::path source;
    explicit Folder(fs::path from = fixture("cli/set")) : source(std::move(from)) {
        for (const char* name : {"User.ini", "UT2004.ini"})
            fs::copy_file(source / name, dir.path() / name);
    }
    std::string read(const char* name) const { return readBytes(dir.path() / name); }
    std::string path() const { return dir.path().string(); }
    bool untouched() const {
        return read("User.ini") == readBytes(source / "User.ini") &&
               read("UT2004.ini") == readBytes(source / "UT2004.ini") &&
               std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()) == 2;
    }
    /// What `show` prints as the value of `name`.
    std::string shown(const std::string& name) const {
        const CliRun run = cli({"show", path(), name});
        const std::size_t line = run.out.find('\n') + 1;
        const std::size_t value = run.out.find('\t', line) + 1;
        return run.out.substr(value, run.out.find('\t', value) - value);
    }
};

bool hasLine(const std::string& file, const std::string& line) {
    return ("\r\n" + file).find("\r\n" + line + "\r\n") != std::string::npos;
}

/// The name of the bind box of `command`'s first (or second) key.
std::string bindBox(const char* command, bool second = false) {
    for (int row = 0; row < brevane::kBindRowCount; ++row)
        if (std::string(brevane::kBindCatalogue[row].command) == command)
            return tk::indexedName("tbx_Bind", second ? brevane::secondKeyBox(row) : brevane::firstKeyBox(row));
    ADD_FAILURE() << command << " is not in the catalogue";
    return {};
}

TEST(CliSet, EachKindOfControlTakesItsValueAsFromAUser) {
    const struct Case {
        std::string assignment;
        const char* file;
        std::vector<std::string> lines; // lines the saved file holds
        std::string note;               // what stderr says, "" for nothing
    } cases[] = {
        // Text boxes: any text, in the files' code page.
        {"tbx_Name=Big Bad", "User.ini", {"Name=Big Bad"}, ""},
        {"tbx_Name=Gr\xc3\xa9gory", "User.ini", {"Name=Gr\xe9gory"}, ""},
        {"tbx_Name=", "User.ini", {"Name="}, ""},
        // Numeric boxes: the guard and the clamps of the window, LastGoodText from the focus.
        {"tbx_FOV=100", "User.ini", {"DesiredFOV=100"}, ""},
        {"tbx_FOV=200", "User.ini", {"DesiredFOV=180"}, "tbx_FOV: 200 was limited to 180"},
        {"tbx_FOV=-5", "User.ini", {"DesiredFOV=0"}, "tbx_FOV: -5 was limited to 0"},
        {"tbx_FOV=abc", "User.ini", {"DesiredFOV=90.0"}, "tbx_FOV: \"abc\" is not a number; the box keeps \"90.0\""},
        {"tbx_FOV=", "User.ini", {"DesiredFOV=90.0"}, "tbx_FOV: \"\" is not a number; the box keeps \"90.0\""},
        {"tbx_Bob=1.5", "User.ini", {"Bob=1"}, "tbx_Bob: 1.5 was limited to 1"},
        {"txb_IRC_Red(0)=300", "User.ini", {"IRCTextColor=(B=230,G=230,R=255,A=255)"}, "300 was limited to 255"},
        {"tbx_Stat_Name=abcdef", "User.ini", {"StatsUsername=abcdef"}, ""},
        // Check boxes.
        {"c_Player_Shadow=FALSE", "User.ini", {"bPlayerShadows=False"}, ""},
        {"c_Player_Shadow=0", "User.ini", {"bPlayerShadows=False"}, ""},
        {"c_Player_Shadow=true", "User.ini", {"bPlayerShadows=True"}, ""},
        {"c_Hud(8)=1", "User.ini", {"bQuietMenu=True"}, ""},
        // Combo boxes: a list entry is picked, anything else typed.
        {"cb_Character=Gorge", "User.ini", {"Character=Gorge"}, ""},
        // A character outside the list is saved, but the next load cannot show it: the user is told.
        {"cb_Character=Nobody Special", "User.ini", {"Character=Nobody Special"},
         "cb_Character: the saved files read back as \"\", not \"Nobody Special\""},
        {"cb_Character=gorge", "User.ini", {"Character=gorge"}, "is not an entry of the list"},
        {"cbx_Video(0)=1280 X 1024", "UT2004.ini", {"FullscreenViewportX=1280", "FullscreenViewportY=1024"}, ""},
        // Option groups: a button's caption, letter case and "&" ignored.
        {"rb_Team=Red", "User.ini", {"team=0"}, ""},
        {"rb_Team=&bLUE", "User.ini", {"team=1"}, ""},
        {"RenOption=opengl", "UT2004.ini", {";RenderDevice=D3DDrv.D3DRenderDevice", "RenderDevice=OpenGLDrv.OpenGLRenderDevice"}, ""},
        // Bind boxes: a key or mouse button as a capture takes it.
        {bindBox("MoveBackward") + "=q", "User.ini", {"Q=MoveBackward", "S="}, ""},
        {bindBox("MoveBackward") + "=f1", "User.ini", {"F1=MoveBackward", "S="}, ""},
        {bindBox("MoveBackward") + "=MWHEELUP", "User.ini", {"MWheelUp=MoveBackward", "S="}, ""},
        {bindBox("MoveBackward") + "=middlemouse", "User.ini", {"MiddleMouse=MoveBackward", "S="}, ""},
        {bindBox("MoveBackward") + "=Mouse4", "User.ini", {"Mouse4=MoveBackward", "S="}, ""},
        {bindBox("MoveForward", true) + "=", "User.ini", {"Up=", "W=MoveForward"}, ""},
        {bindBox("MoveForward", true) + "=None", "User.ini", {"Up=", "W=MoveForward"}, ""},
        // A key the file has no line for cannot be stored (the capture has still unbound the old key, as
        // in the window); the window keeps quiet, the command line says so.
        {bindBox("MoveBackward") + "=F12", "User.ini", {"S="},
         bindBox("MoveBackward") + ": the saved files read back as \"\", not \"F12\""},
        {"tbx_FOV2=100", "User.ini", {},
         "tbx_FOV2: \"100\" is not saved: the files have no line this setting is stored in"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assignment);
        Folder folder;
        const CliRun run = cli({"set", folder.path(), c.assignment});
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_EQ(run.out, "");
        if (c.note.empty())
            EXPECT_EQ(run.err, "");
        else
            EXPECT_NE(run.err.find("brevane-cli: note: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.note), std::string::npos) << run.err;
        const std::string saved = folder.read(c.file);
        for (const std::string& line : c.lines)
            EXPECT_TRUE(hasLine(saved, line)) << line << " not in\n" << saved;
    }
}

TEST(CliSet, AKeyBoundToABoxLeavesEveryOtherBoxThatHadIt) {
    Folder folder;
    const std::string backward = bindBox("MoveBackward"), forward = bindBox("MoveForward");
    const CliRun run = cli({"set", folder.path(), backward + "=w"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("note: " + forward + ": W now belongs to " + backward + ", so this box is empty"),
              std::string::npos)
        << run.err;
    const std::string saved = folder.read("User.ini");
    for (const char* line : {"W=MoveBackward", "S=", "Up=MoveForward"})
        EXPECT_TRUE(hasLine(saved, line)) << line << " not in\n" << saved;
    EXPECT_EQ(folder.shown(backward), "W");
    EXPECT_EQ(folder.shown(forward), "Up");
    EXPECT_EQ(folder.shown(bindBox("MoveForward", true)), "");

    // Assignments run in order, each a capture of its own: the key moves on again.
    Folder twice;
    ASSERT_EQ(cli({"set", twice.path(), backward + "=Up", forward + "=up"}).code, 0);
    EXPECT_EQ(twice.shown(forward), "Up");
    EXPECT_EQ(twice.shown(backward), "");
    EXPECT_TRUE(hasLine(twice.read("User.ini"), "W=")) << "W left the forward box for Up";
}

TEST(CliSet, ABoxShowingRightMouseTakesNoMouseButtonUntilUnbound) {
    // As in the window: the right click that focused such a box must not bind at once, so a mouse
    // button is refused, while a key or an unbinding goes through.
    const std::string altFire = bindBox("AltFire");
    Folder refused;
    const CliRun run = cli({"set", refused.path(), altFire + "=MiddleMouse"});
    EXPECT_EQ(run.code, 1);
    EXPECT_NE(run.err.find("unbind it first: '" + altFire + "=' '" + altFire + "=MiddleMouse'"), std::string::npos)
        << run.err;
    EXPECT_TRUE(refused.untouched());

    Folder unboundFirst;
    const CliRun done = cli({"set", unboundFirst.path(), altFire + "=", altFire + "=MiddleMouse"});
    ASSERT_EQ(done.code, 0) << done.err;
    EXPECT_TRUE(hasLine(unboundFirst.read("User.ini"), "MiddleMouse=AltFire"));
    EXPECT_TRUE(hasLine(unboundFirst.read("User.ini"), "RightMouse="));

    Folder byKey;
    ASSERT_EQ(cli({"set", byKey.path(), altFire + "=Q"}).code, 0);
    EXPECT_TRUE(hasLine(byKey.read("User.ini"), "Q=AltFire"));
}

TEST(CliSet, AWeaponNamedForASlotIsMovedThereByTheArrows) {
    Folder folder(assetsDir() / "Default");
    ASSERT_EQ(folder.shown("tbx_WeaponPriority(16)"), "Redeemer");
    ASSERT_EQ(folder.shown("tbx_WeaponPriority(7)"), "Flak Cannon");
    const CliRun run = cli({"set", folder.path(), "tbx_WeaponPriority(16)=flak cannon"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(folder.shown("tbx_WeaponPriority(16)"), "Flak Cannon");
    EXPECT_EQ(folder.shown("tbx_WeaponPriority(15)"), "Redeemer") << "the weapons passed move down one";
    EXPECT_EQ(folder.shown("tbx_WeaponPriority(7)"), "Rocket Launcher");
    EXPECT_EQ(folder.shown("tbx_WeaponPriority(6)"), "Minigun") << "the weapons below stay";
}

TEST(CliSet, DryRunWritesNothingAndPrintsTheDiffOfTheSave) {
    const std::vector<std::string> assignments = {"tbx_FOV=200", "c_Hud(8)=true", "rb_Team=Red",
                                                  bindBox("MoveBackward") + "=W", "cbx_Video(0)=1280 X 1024"};
    Folder dry, real;
    std::vector<std::string> args = {"set", dry.path()};
    args.insert(args.end(), assignments.begin(), assignments.end());
    args.push_back("--dry-run");
    const CliRun run = cli(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.err.find("tbx_FOV: 200 was limited to 180"), std::string::npos) << "notes come in a dry run too";
    EXPECT_TRUE(dry.untouched());

    args[1] = real.path();
    args.pop_back();
    ASSERT_EQ(cli(args).code, 0);
    const std::size_t second = run.out.find("--- a/UT2004.ini");
    ASSERT_EQ(run.out.rfind("--- a/User.ini", 0), 0u) << run.out;
    ASSERT_NE(second, std::string::npos) << run.out;
    EXPECT_EQ(applyUnifiedDiff(dry.read("User.ini"), run.out.substr(0, second)), real.read("User.ini"));
    EXPECT_EQ(applyUnifiedDiff(dry.read("UT2004.ini"), run.out.substr(second)), real.read("UT2004.ini"));
}

TEST(CliSet, EveryRefusalSaysWhyAndTouchesNothing) {
    Folder noGame;
    fs::remove(noGame.dir.path() / "UT2004.ini");
    const struct Case {
        std::vector<std::string> rest; // after "set DIR"
        int code;
        std::vector<std::string> inErr;
    } cases[] = {
        // The command line itself.
        {{}, 2, {"nothing to set", "usage: brevane-cli"}},
        {{"tbx_FOV"}, 2, {"tbx_FOV is not NAME=VALUE"}},
        {{"=100"}, 2, {"=100 is not NAME=VALUE"}},
        {{"tbx_FOV=100", "--force"}, 2, {"unknown option --force"}},
        // Names and values, all checked before anything is done.
        {{"tbx_fov=100"}, 1, {"no managed control is named tbx_fov (did you mean tbx_FOV, tbx_FOV2"}},
        {{"c_Hud=1"}, 1, {"no managed control is named c_Hud (did you mean c_Hud(0)"}},
        {{"tbx_FOV=100", "c_Hud(8)=maybe"}, 1, {"c_Hud(8) does not take \"maybe\": it is a check box and takes 1, 0, true or false"}},
        {{"rb_Team=Green"}, 1, {"rb_Team does not take \"Green\"", "Red or Blue"}},
        {{bindBox("Fire") + "=Wx"}, 1, {"does not take \"Wx\": it takes a key name", "did you mean W"}},
        {{"tbx_WeaponPriority(3)=Foo"}, 1, {"takes the name of the weapon to move there", "Flak Cannon"}},
        {{"tbx_Total_Unockedl_Char=5"}, 1, {"the window only shows its value"}},
        {{"tbx_IRCColor(0)=5"}, 1, {"set txb_IRC_Red(0), txb_IRC_Green(0) and txb_IRC_Blue(0)"}},
        {{"tbx_Name=\xe4\xb8\xad"}, 1, {"cannot hold (they are Windows-1252 text)"}},
        {{"c_Hud(8)=maybe", "tbx_nope=1"}, 1, {"c_Hud(8) does not take", "no managed control is named tbx_nope"}},
        // Refused while carrying the assignments out: the window keeps the focus in the box.
        {{"tbx_FOV=100", "tbx_Stat_Name=abc", "c_Hud(8)=1"},
         1,
         {"tbx_Stat_Name does not take \"abc\": 'Stat Name' Must Be At Least 6 Characters Long", "nothing was saved"}},
        {{"tbx_Stat_Pass=secr"}, 1, {"tbx_Stat_Pass does not take the text given: 'Stat Password' Must Be At Least 6"}},
    };
    for (const Case& c : cases) {
        Folder folder;
        std::vector<std::string> args = {"set", folder.path()};
        args.insert(args.end(), c.rest.begin(), c.rest.end());
        SCOPED_TRACE(args.size() > 2 ? args[2] : "set DIR");
        const CliRun run = cli(args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.out, "");
        for (const std::string& part : c.inErr)
            EXPECT_NE(run.err.find(part), std::string::npos) << run.err;
        EXPECT_TRUE(folder.untouched());
    }

    // The load's and the save's own messages.
    const CliRun missing = cli({"set", "/no/such/folder", "tbx_FOV=100"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("/no/such/folder: no such folder"), std::string::npos) << missing.err;
    const CliRun noFile = cli({"set", noGame.path(), "tbx_FOV=100"});
    EXPECT_EQ(noFile.code, 1);
    EXPECT_NE(noFile.err.find(noGame.dir.folder() + "UT2004.ini"), std::string::npos) << noFile.err;
    EXPECT_EQ(noGame.read("User.ini"), readBytes(fixture("cli/set/User.ini")));

    Folder blocked; // a folder where the backup must go: the save fails before replacing anything
    fs::create_directories(blocked.dir.path() / "User.ini.bak" / "kept");
    const CliRun failed = cli({"set", blocked.path(), "tbx_FOV=100"});
    EXPECT_EQ(failed.code, 1);
    EXPECT_NE(failed.err.find("User.ini.bak"), std::string::npos) << failed.err;
    EXPECT_EQ(blocked.read("User.ini"), readBytes(fixture("cli/set/User.ini")));
    EXPECT_EQ(blocked.read("UT2004.ini"), readBytes(fixture("cli/set/UT2004.ini")));
}

TEST(CliHelp, DocumentsEveryCommandWithExamples) {
    for (const char* asked : {"help", "--help", "-h"}) {
        const CliRun run = cli({asked});
        EXPECT_EQ(run.code, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, brevane::cli::usage());
    }
    const std::string text = brevane::cli::usage();
    for (const char* part : {"brevane-cli set DIR NAME=VALUE... [--dry-run]", "brevane-cli show DIR [--json] [NAME...]",
                             "brevane-cli resave DIR [--dry-run]", "examples:"})
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

} // namespace

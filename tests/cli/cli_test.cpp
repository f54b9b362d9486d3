// brevane-cli on fixture folders: resave does what File > Save does, a dry run only prints, show
// lists the page tables, and every error goes to stderr with nothing touched.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "app/ini.h"
#include "cli/cli_run.h"
#include "cli/commands.h"
#include "cli/patch_applier.h"
#include "support/scripted_services.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

/// A copy of the fixture System folder.
struct Folder {
    TempDir dir;
    Folder() {
        for (const char* name : {"User.ini", "UT2004.ini"})
            fs::copy_file(fixture(std::string("cli/System/") + name), dir.path() / name);
    }
    std::string read(const char* name) const { return readBytes(dir.path() / name); }
    std::string path() const { return dir.path().string(); }
};

TEST(Cli, ResaveWritesWhatFileSaveWritesAfterStart) {
    Folder byCli, byEditor;
    const CliRun run = cli({"resave", byCli.path()});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    ScriptedServices s;
    brevane::INI ini(s.services(), BREVANE_BIN_DIR "/");
    brevane::LocateResult found;
    found.SystemFolder = found.InstalledSystemFolder = byEditor.dir.folder();
    ini.Form_Load(found);
    ini.frmFileSave_Click();

    for (const char* name : {"User.ini", "UT2004.ini"}) {
        EXPECT_EQ(byCli.read(name), byEditor.read(name)) << name;
        EXPECT_NE(byCli.read(name), readBytes(fixture(std::string("cli/System/") + name)))
            << name << " was rewritten";
        EXPECT_EQ(readBytes(byCli.dir.path() / (std::string(name) + ".bak")),
                  readBytes(fixture(std::string("cli/System/") + name)));
    }
}

TEST(Cli, DryRunTouchesNothingAndPrintsTheDiffOfTheSave) {
    Folder dry, real;
    const auto stamp = fs::last_write_time(dry.dir.path() / "User.ini");
    const CliRun run = cli({"resave", dry.path(), "--dry-run"});
    ASSERT_EQ(run.code, 0) << run.err;
    for (const char* name : {"User.ini", "UT2004.ini"})
        EXPECT_EQ(dry.read(name), readBytes(fixture(std::string("cli/System/") + name))) << name;
    EXPECT_EQ(fs::last_write_time(dry.dir.path() / "User.ini"), stamp);
    EXPECT_EQ(std::distance(fs::directory_iterator(dry.dir.path()), fs::directory_iterator()), 2);

    // The printed diff, applied to the files, gives exactly what a real resave writes.
    ASSERT_EQ(cli({"resave", real.path()}).code, 0);
    const std::size_t second = run.out.find("--- a/UT2004.ini");
    ASSERT_EQ(run.out.rfind("--- a/User.ini", 0), 0u) << run.out;
    ASSERT_NE(second, std::string::npos) << run.out;
    EXPECT_EQ(applyUnifiedDiff(dry.read("User.ini"), run.out.substr(0, second)), real.read("User.ini"));
    EXPECT_EQ(applyUnifiedDiff(dry.read("UT2004.ini"), run.out.substr(second)), real.read("UT2004.ini"));

    // A file without a final line break gains one, and with it an empty last line on the next save;
    // from then on a save changes nothing.
    ASSERT_EQ(cli({"resave", real.path()}).code, 0);
    const CliRun again = cli({"resave", real.path(), "--dry-run"});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.out, "");
}

/// A strict reader for what `show --json` prints: an array of objects whose values are strings.
class JsonRows {
public:
    explicit JsonRows(const std::string& text) : m_text(text) {}
    bool parse(std::vector<std::map<std::string, std::string>>& rows) {
        skip();
        if (!eat('[')) return false;
        skip();
        if (eat(']')) return end();
        do {
            std::map<std::string, std::string> row;
            skip();
            if (!eat('{')) return false;
            do {
                std::string key, value;
                skip();
                if (!string(key)) return false;
                skip();
                if (!eat(':')) return false;
                skip();
                if (!string(value) || row.count(key)) return false;
                row[key] = value;
                skip();
            } while (eat(','));
            if (!eat('}')) return false;
            rows.push_back(row);
            skip();
        } while (eat(','));
        return eat(']') && end();
    }

private:
    bool end() {
        skip();
        return m_at == m_text.size();
    }
    void skip() {
        while (m_at < m_text.size() && std::string(" \t\r\n").find(m_text[m_at]) != std::string::npos)
            ++m_at;
    }
    bool eat(char c) {
        if (m_at < m_text.size() && m_text[m_at] == c) return ++m_at, true;
        return false;
    }
    bool string(std::string& out) {
        if (!eat('"')) return false;
        while (m_at < m_text.size()) {
            unsigned char c = static_cast<unsigned char>(m_text[m_at++]);
            if (c == '"') return true;
            if (c < 0x20) return false;
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (m_at >= m_text.size()) return false;
            char e = m_text[m_at++];
            const std::string simple = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
            if (auto at = simple.find(e); at != std::string::npos)
                out += meaning[at];
            else if (e == 'u' && m_at + 4 <= m_text.size()) {
                out += static_cast<char>(std::stoi(m_text.substr(m_at, 4), nullptr, 16)); // ASCII controls only
                m_at += 4;
            } else
                return false;
        }
        return false;
    }
    const std::string& m_text;
    std::size_t m_at = 0;
};

TEST(Cli, ShowJsonListsEveryManagedControlWithTheSixFields) {
    Folder folder;
    const CliRun run = cli({"show", folder.path(), "--json"});
    ASSERT_EQ(run.code, 0) << run.err;
    std::vector<std::map<std::string, std::string>> rows;
    ASSERT_TRUE(JsonRows(run.out).parse(rows)) << run.out;
    ASSERT_FALSE(rows.empty());
    std::map<std::string, std::map<std::string, std::string>> byName;
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 6u);
        for (const char* field : {"name", "caption", "file", "section", "key", "value"})
            EXPECT_TRUE(row.count(field)) << field;
        byName[row.at("name")] = row;
    }
    // Decoded from Windows-1252, quotes escaped.
    ASSERT_TRUE(byName.count("tbx_Name"));
    EXPECT_EQ(byName["tbx_Name"].at("value"), "Gr\xc3\xa9gory \"Quote\"");
    EXPECT_EQ(byName["tbx_Name"].at("file"), "User.ini");
    EXPECT_EQ(byName["tbx_Name"].at("key"), "Name");
    ASSERT_TRUE(byName.count("c_Player_Shadow"));
    EXPECT_EQ(byName["c_Player_Shadow"].at("value"), "1");
}

TEST(Cli, ShowNamedControlsOnlyAndRefusesUnknownNames) {
    Folder folder;
    const CliRun run = cli({"show", folder.path(), "tbx_Name", "c_Player_Shadow"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "name\tvalue\tfile\tsection\tkey\tcaption\n"
                       "tbx_Name\tGr\xc3\xa9gory \"Quote\"\tUser.ini\t\tName\tPlayer Name\n"
                       "c_Player_Shadow\t1\tUser.ini\t\tbPlayerShadows\tPlayer Shadows\n");
    const CliRun unknown = cli({"show", folder.path(), "tbx_Nope"});
    EXPECT_EQ(unknown.code, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("tbx_Nope"), std::string::npos);
}

TEST(Cli, ErrorsGoToStderrWithANonZeroCodeAndTouchNothing) {
    Folder noGame;
    fs::remove(noGame.dir.path() / "UT2004.ini");
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string inErr;
    };
    const Case cases[] = {
        {{"resave", "/no/such/folder"}, 1, "/no/such/folder: no such folder"},
        {{"show", "/no/such/folder", "--json"}, 1, "/no/such/folder: no such folder"},
        {{"resave", noGame.path()}, 1, noGame.dir.folder() + "UT2004.ini"},
        {{"resave", noGame.path(), "--dry-run"}, 1, "No such file or directory"},
        {{"resave"}, 2, "usage: brevane-cli"},
        {{"resave", noGame.path(), "--force"}, 2, "unknown argument --force"},
        {{"show", noGame.path(), "--xml"}, 2, "unknown option --xml"},
        {{"fix", noGame.path()}, 2, "unknown command fix"},
    };
    for (const Case& c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.code, c.code) << c.args[0];
        EXPECT_EQ(run.out, "") << c.args[0];
        EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\r'), std::string::npos) << "terminal text has plain line ends";
    }
    EXPECT_EQ(noGame.read("User.ini"), readBytes(fixture("cli/System/User.ini")));
    EXPECT_EQ(std::distance(fs::directory_iterator(noGame.dir.path()), fs::directory_iterator()), 1);
}

} // namespace

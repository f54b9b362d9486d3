#include "fuzz/resave_invariants.h"

#include <fstream>
#include <vector>

#include "app/ini.h"
#include "bindings/key_names.h"
#include "documents/config_document.h"
#include "documents/writer.h"

namespace resave_check {

namespace {

using brevane::IniFile;

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The keys some page table stores into, per file. A line with such a key may change at a save;
// the comparison ignores case because the load does.
struct ManagedKeys {
    std::vector<std::string> user, game;
    bool manages(IniFile file, const std::string& key) const {
        for (const std::string& k : file == IniFile::User ? user : game)
            if (brevane::equalsIgnoreCase(k, key)) return true;
        return false;
    }
};

ManagedKeys managedKeysOf(brevane::INI& ini) {
    ManagedKeys managed;
    for (brevane::SettingsStep* step : ini.pages.loadOrder())
        for (const brevane::RowInfo& row : step->rows())
            (row.file == IniFile::User ? managed.user : managed.game).push_back(row.key);
    // The lines the writer adds after "[XInterface.GUIController]" belong to the switches page.
    managed.user.push_back("bQuietMenu");
    managed.user.push_back("bNoToolTips");
    // The priority list stores into the Priority line of whichever weapon stands in a slot; an empty
    // window (the probe below) has no weapons in its slots, so its rows name no key.
    managed.user.push_back("Priority");
    return managed;
}

bool isAliasLine(const std::string& key) {
    // The alias pages and the writer take these keys in any letter case.
    return brevane::equalsIgnoreCase(key, "Aliases") || brevane::CountOccurrences(key, "liases[", false) > 0;
}

// The first input line that should have survived and is missing from `output` (in order), if any.
std::string lostLine(const std::string& input, const std::string& output, IniFile file,
                     const ManagedKeys& managed) {
    brevane::ConfigDocument in;
    in.load(input);
    const std::vector<std::string> out = brevane::splitLines(output);
    std::size_t next = 0;
    for (std::size_t i = 0; i < in.lineCount(); ++i) {
        const std::string& key = in.keys[i];
        if (key.empty() || managed.manages(file, key)) continue;
        if (file == IniFile::User && isAliasLine(key)) continue;
        // A binding line is stored back with its command's own spelling ("G=SpEak Team" becomes
        // "G=Speak Team"), so letter case may change there, and only there.
        const bool binding = file == IniFile::User && brevane::isKeyName(key);
        auto survives = [&](const std::string& line) {
            return line == in.lines[i] || (binding && brevane::equalsIgnoreCase(line, in.lines[i]));
        };
        while (next < out.size() && !survives(out[next]))
            ++next;
        if (next == out.size()) return in.lines[i];
        ++next;
    }
    return {};
}

std::string describe(const char* what, const std::string& bytes) {
    std::string shown = bytes.size() > 200 ? bytes.substr(0, 200) + "..." : bytes;
    return std::string(what) + " (" + std::to_string(bytes.size()) + " bytes): \"" + shown + "\"";
}

// Where two savings of one file part: the first line that differs, both ways.
std::string firstDifference(const std::string& first, const std::string& second) {
    const std::vector<std::string> a = brevane::splitLines(first), b = brevane::splitLines(second);
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return "at line " + std::to_string(i + 1) + "\n" + describe("first save", i < a.size() ? a[i] : "<end>") +
           "\n" + describe("second save", i < b.size() ? b[i] : "<end>");
}

bool endsWithLineBreak(const std::string& text) {
    return text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
}

} // namespace

FilePair splitPair(std::string_view input) {
    const std::size_t at = input.find(kPairSeparator);
    if (at == std::string_view::npos) return {std::string(input), {}};
    return {std::string(input.substr(0, at)), std::string(input.substr(at + kPairSeparator.size()))};
}

std::string joinPair(const FilePair& pair) {
    return pair.user + std::string(kPairSeparator) + pair.game;
}

FilePair resave(const FilePair& pair, const std::string& folder) {
    writeFile(folder + "User.ini", pair.user);
    writeFile(folder + "UT2004.ini", pair.game);
    brevane::INI ini(tk::Services{}, folder);
    ini.state.SystemFolder = folder;
    ini.Load_INI_Form();
    if (!ini.state.documentsLoaded) return {};
    ini.CollectSettings();
    return {brevane::renderUserIni(ini.state.userIni, ini.writerInputs()),
            brevane::renderGameIni(ini.state.gameIni)};
}

std::string checkResaveInvariants(const FilePair& pair, const std::string& folder) {
    const FilePair first = resave(pair, folder);
    FilePair second = resave(first, folder);
    // Every written line ends in CR LF, and a file that ends in CR LF loads with an empty last line
    // that the next save writes: a file without its final line break gains that empty line at the
    // second save, once. From then on the bytes must not move.
    const bool userSettles =
        !pair.user.empty() && !endsWithLineBreak(pair.user) && second.user == first.user + "\r\n";
    const bool gameSettles =
        !pair.game.empty() && !endsWithLineBreak(pair.game) && second.game == first.game + "\r\n";
    FilePair settled = first;
    if (userSettles || gameSettles) {
        settled = second;
        second = resave(second, folder);
    }
    if (second.user != settled.user)
        return "User.ini changed at the second save " + firstDifference(settled.user, second.user);
    if (second.game != settled.game)
        return "UT2004.ini changed at the second save " + firstDifference(settled.game, second.game);

    // The page tables are the same for every window, so one look at them serves every check.
    static const ManagedKeys managed = [&] {
        brevane::INI probe(tk::Services{}, folder);
        return managedKeysOf(probe);
    }();
    if (std::string lost = lostLine(pair.user, first.user, IniFile::User, managed); !lost.empty())
        return describe("User.ini lost the line", lost);
    if (std::string lost = lostLine(pair.game, first.game, IniFile::Game, managed); !lost.empty())
        return describe("UT2004.ini lost the line", lost);
    return {};
}

} // namespace resave_check

#include "cli/commands.h"

#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "app/ini.h"
#include "cli/json_text.h"
#include "documents/read_file.h"
#include "documents/windows1252.h"
#include "documents/writer.h"

namespace brevane::cli {

namespace {

/// Message boxes become lines of text: the editor's load and save report through them.
struct CollectedMessages : tk::MessageBoxService {
    std::vector<std::string> texts;
    tk::MessageAnswer show(const std::string& text, tk::MessageButtons buttons, tk::MessageIcon) override {
        texts.push_back(text);
        return buttons == tk::MessageButtons::YesNo ? tk::MessageAnswer::No : tk::MessageAnswer::Ok;
    }
};

/// The message as terminal text: LF line ends, UTF-8.
std::string forTerminal(const std::string& text) {
    std::string lf;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    return windows1252ToUtf8(lf);
}

void printMessages(CollectedMessages& messages, std::ostream& err) {
    for (const std::string& text : messages.texts)
        err << "brevane-cli: " << forTerminal(text) << "\n";
    messages.texts.clear();
}

/// A window model with the editor's first load done on DIR, or the reason it could not be made.
struct Session {
    CollectedMessages messages;
    tk::Services services{&messages, nullptr, nullptr, nullptr, nullptr};
    INI ini;

    Session(const std::string& programFolder) : ini(services, programFolder) {}

    /// The load of the editor's start with DIR as the System folder. False (with the reason on
    /// `err`) when DIR or one of the two files cannot be read.
    bool load(std::string dir, std::ostream& err) {
        std::error_code ec;
        if (!std::filesystem::is_directory(dir, ec)) {
            err << "brevane-cli: " << dir << ": no such folder\n";
            return false;
        }
        if (dir.back() != '/') dir += '/';
        LocateResult found;
        found.SystemFolder = found.InstalledSystemFolder = dir;
        found.GamePath = dir + "UT2004.exe";
        ini.Form_Load(found);
        if (!ini.state.documentsLoaded) {
            printMessages(messages, err);
            return false;
        }
        printMessages(messages, err); // anything the pages said while loading, as warnings
        return true;
    }
};

int resave(const std::string& dir, bool dryRun, const std::string& programFolder, std::ostream& out,
           std::ostream& err) {
    Session session(programFolder);
    if (!session.load(dir, err)) return 1;
    INI& ini = session.ini;
    if (!dryRun) {
        if (ini.saveDocuments()) return 0;
        printMessages(session.messages, err);
        return 1;
    }
    // What File > Save would write, rendered but not written.
    const INI::PendingChanges pending = ini.pendingChanges();
    if (!pending.ok) {
        err << "brevane-cli: " << forTerminal(pending.error) << "\n";
        return 1;
    }
    out << pending.diff;
    return 0;
}

const char* fileName(IniFile file) {
    return file == IniFile::User ? "User.ini" : "UT2004.ini";
}

int show(const std::string& dir, bool json, const std::vector<std::string>& names,
         const std::string& programFolder, std::ostream& out, std::ostream& err) {
    Session session(programFolder);
    if (!session.load(dir, err)) return 1;
    std::vector<RowInfo> rows;
    for (SettingsStep* step : session.ini.pages.loadOrder())
        for (RowInfo& row : step->rows())
            rows.push_back(std::move(row));
    if (!names.empty()) {
        std::set<std::string> known;
        for (const RowInfo& row : rows)
            known.insert(row.name);
        for (const std::string& name : names)
            if (!known.count(name)) {
                err << "brevane-cli: no managed control is named " << name << "\n";
                return 1;
            }
        const std::set<std::string> wanted(names.begin(), names.end());
        std::erase_if(rows, [&](const RowInfo& row) { return !wanted.count(row.name); });
    }
    if (json) {
        out << "[";
        bool first = true;
        for (const RowInfo& row : rows) {
            out << (first ? "\n" : ",\n");
            first = false;
            out << "  {\"name\": " << jsonString(windows1252ToUtf8(row.name))
                << ", \"caption\": " << jsonString(windows1252ToUtf8(row.caption))
                << ", \"file\": " << jsonString(fileName(row.file))
                << ", \"section\": " << jsonString(windows1252ToUtf8(row.section))
                << ", \"key\": " << jsonString(windows1252ToUtf8(row.key))
                << ", \"value\": " << jsonString(windows1252ToUtf8(shownValue(row))) << "}";
        }
        out << (first ? "]\n" : "\n]\n");
        return 0;
    }
    // One control a line, tab-separated, under a heading line.
    out << "name\tvalue\tfile\tsection\tkey\tcaption\n";
    for (const RowInfo& row : rows)
        out << windows1252ToUtf8(row.name) << '\t' << windows1252ToUtf8(shownValue(row)) << '\t'
            << fileName(row.file) << '\t' << windows1252ToUtf8(row.section) << '\t' << windows1252ToUtf8(row.key)
            << '\t' << windows1252ToUtf8(row.caption) << '\n';
    return 0;
}

} // namespace

std::string usage() {
    return "usage: brevane-cli resave DIR [--dry-run]\n"
           "       brevane-cli show DIR [--json] [NAME...]\n"
           "\n"
           "DIR is a folder holding User.ini and UT2004.ini (the game's System folder).\n"
           "  resave     load both files as the editor does and save them unedited, keeping .bak copies;\n"
           "             --dry-run writes nothing and prints what would change as a unified diff\n"
           "  show       print every setting the editor manages (or the named controls) with its value;\n"
           "             --json prints a JSON array of {name, caption, file, section, key, value}\n";
}

int runCli(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
           std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << usage();
        return 0;
    }
    if (args.size() < 2) {
        err << usage();
        return 2;
    }
    const std::string& command = args[0];
    const std::string& dir = args[1];
    std::vector<std::string> rest(args.begin() + 2, args.end());
    if (command == "resave") {
        bool dryRun = false;
        for (const std::string& arg : rest) {
            if (arg != "--dry-run") {
                err << "brevane-cli: resave: unknown argument " << arg << "\n" << usage();
                return 2;
            }
            dryRun = true;
        }
        return resave(dir, dryRun, programFolder, out, err);
    }
    if (command == "show") {
        bool json = false;
        std::vector<std::string> names;
        for (const std::string& arg : rest) {
            if (arg == "--json")
                json = true;
            else if (arg.starts_with("--")) {
                err << "brevane-cli: show: unknown option " << arg << "\n" << usage();
                return 2;
            } else
                names.push_back(arg);
        }
        return show(dir, json, names, programFolder, out, err);
    }
    err << "brevane-cli: unknown command " << command << "\n" << usage();
    return 2;
}

} // namespace brevane::cli

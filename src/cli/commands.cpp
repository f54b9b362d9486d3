#include "cli/commands.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "app/ini.h"
#include "cli/closest_names.h"
#include "cli/control_setter.h"
#include "cli/json_text.h"
#include "cli/terminal_text.h"
#include "documents/read_file.h"
#include "documents/windows1252.h"
#include "toolkit/text_box.h"
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

/// File > Save, or with `dryRun` the unified diff of what it would write, written nowhere.
int saveOrShow(Session& session, bool dryRun, std::ostream& out, std::ostream& err) {
    INI& ini = session.ini;
    if (!dryRun) {
        if (ini.saveDocuments()) return 0;
        printMessages(session.messages, err);
        return 1;
    }
    const INI::PendingChanges pending = ini.pendingChanges();
    if (!pending.ok) {
        err << "brevane-cli: " << forTerminal(pending.error) << "\n";
        return 1;
    }
    out << pending.diff;
    return 0;
}

int resave(const std::string& dir, bool dryRun, const std::string& programFolder, std::ostream& out,
           std::ostream& err) {
    Session session(programFolder);
    if (!session.load(dir, err)) return 1;
    return saveOrShow(session, dryRun, out, err);
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
        std::vector<std::string> known;
        for (const RowInfo& row : rows)
            known.push_back(row.name);
        for (const std::string& name : names)
            if (std::find(known.begin(), known.end(), name) == known.end()) {
                err << "brevane-cli: no managed control is named " << name;
                const std::vector<std::string> close = closestNames(name, known);
                if (!close.empty()) err << " (did you mean " << listOfNames(close) << "?)";
                err << "\n";
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

/// One NAME=VALUE argument.
struct Assignment {
    std::string name, value;
};

/// What control `name` shows: its row's value, or the text of a box that is no row of a page.
std::string shownByName(INI& ini, const std::string& name) {
    for (SettingsStep* step : ini.pages.loadOrder())
        for (const RowInfo& row : step->rows())
            if (row.name == name) return shownValue(row);
    if (auto* box = dynamic_cast<const tk::TextBox*>(ini.form.find(name))) return box->text();
    return {};
}

/// A setting is only saved where the files have its line; the window says nothing about one that is
/// missing, but a script must know. The bytes the save would write are loaded into a second window
/// and every assigned control is compared with what it shows now.
void noteWhatTheSaveDoesNotKeep(Session& session, const std::vector<Assignment>& assignments,
                                const std::map<std::string, std::string>& before, const std::string& programFolder,
                                std::ostream& err) {
    const INI::PendingChanges pending = session.ini.pendingChanges();
    if (!pending.ok) return; // the save or the dry run reports why
    Session readBack(programFolder);
    readBack.ini.state = session.ini.state;
    readBack.ini.loadTexts(pending.userBytes, pending.gameBytes);
    std::set<std::string> told;
    for (const Assignment& a : assignments) {
        if (!told.insert(a.name).second) continue;
        const std::string now = shownByName(session.ini, a.name);
        const std::string back = shownByName(readBack.ini, a.name);
        if (now == back) continue;
        if (back == before.at(a.name))
            err << "brevane-cli: note: " << a.name << ": " << quoted(forTerminal(now))
                << " is not saved: the files have no line this setting is stored in\n";
        else
            err << "brevane-cli: note: " << a.name << ": the saved files read back as " << quoted(forTerminal(back))
                << ", not " << quoted(forTerminal(now)) << "\n";
    }
}

int set(const std::string& dir, const std::vector<Assignment>& assignments, bool dryRun,
        const std::string& programFolder, std::ostream& out, std::ostream& err) {
    Session session(programFolder);
    if (!session.load(dir, err)) return 1;
    ControlSetter setter(session.ini, session.messages.texts);
    // All or nothing: every assignment is checked before the first is carried out, and none is saved
    // unless all of them were taken.
    bool refused = false;
    for (const Assignment& a : assignments)
        if (std::optional<std::string> problem = setter.check(a.name, a.value)) {
            err << "brevane-cli: " << *problem << "\n";
            refused = true;
        }
    if (refused) return 1;
    std::map<std::string, std::string> before;
    for (const Assignment& a : assignments) before.emplace(a.name, shownByName(session.ini, a.name));
    for (const Assignment& a : assignments) {
        const AssignmentOutcome outcome = setter.apply(a.name, a.value);
        for (const std::string& note : outcome.notes)
            err << "brevane-cli: note: " << note << "\n";
        if (!outcome.ok()) {
            err << "brevane-cli: " << outcome.error << "\nbrevane-cli: nothing was saved\n";
            return 1;
        }
    }
    noteWhatTheSaveDoesNotKeep(session, assignments, before, programFolder, err);
    return saveOrShow(session, dryRun, out, err);
}

} // namespace

std::string usage() {
    return "usage: brevane-cli set DIR NAME=VALUE... [--dry-run]\n"
           "       brevane-cli show DIR [--json] [NAME...]\n"
           "       brevane-cli resave DIR [--dry-run]\n"
           "       brevane-cli help | --help | -h\n"
           "\n"
           "DIR is a folder holding User.ini and UT2004.ini (the game's System folder). Both files are\n"
           "loaded exactly as the editor loads them; a save is the editor's File > Save, written safely\n"
           "with User.ini.bak and UT2004.ini.bak beside the files.\n"
           "\n"
           "  set      sets controls as a user does in the window, in the order given, then saves.\n"
           "           NAME is a control name as listed by show (tbx_FOV, c_Hud(8), tbx_Bind(8)), or one\n"
           "           of the colour boxes txb_IRC_Red(N), txb_IRC_Green(N), txb_IRC_Blue(N); quote names\n"
           "           with brackets for the shell. VALUE is:\n"
           "             text box      any text, typed whole; number boxes keep their limits and keep\n"
           "                           their last good number when the text is not a number (a note\n"
           "                           on stderr says so)\n"
           "             check box     1, 0, true or false\n"
           "             combo box     an entry of its list (picked), or any other text (typed)\n"
           "             option group  the caption of the button to select (rb_Team=Red)\n"
           "             bind box      a key name (W, F1, Space, LeftMouse, Mouse4, MWheelUp); the key\n"
           "                           leaves any other box that had it; an empty value or None unbinds\n"
           "             weapon slot   tbx_WeaponPriority(N)=WEAPON moves that weapon to slot N\n"
           "           A value the control cannot take, or an unknown name, changes nothing at all.\n"
           "           A setting is saved only where the files have its line: a note says when the\n"
           "           saved files would read back differently from what was set.\n"
           "           --dry-run writes nothing and prints what the save would change as a unified diff\n"
           "  show     prints every setting the editor manages (or the named controls) with its value,\n"
           "           one tab-separated line each; --json prints a JSON array of\n"
           "           {name, caption, file, section, key, value}\n"
           "  resave   saves both files unedited, as File > Save right after start;\n"
           "           --dry-run writes nothing and prints what would change as a unified diff\n"
           "  help     prints this text\n"
           "\n"
           "Errors go to stderr and leave the files untouched: exit code 2 for a wrong command line,\n"
           "1 for anything else (a missing folder or file, an unknown control, a refused value, a\n"
           "failed save).\n"
           "\n"
           "examples:\n"
           "  brevane-cli set ~/UT2004/System tbx_FOV=100 'c_Hud(8)=true' rb_Team=Red 'tbx_Bind(8)=Up'\n"
           "  brevane-cli set ~/UT2004/System 'tbx_Name=Big Bad' cb_Character=Jakob --dry-run\n"
           "  brevane-cli show ~/UT2004/System --json tbx_FOV 'tbx_Bind(8)'\n"
           "  brevane-cli resave ~/UT2004/System --dry-run\n";
}

int runCli(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
           std::ostream& err) {
    if (args.size() == 1 && (args[0] == "help" || args[0] == "--help" || args[0] == "-h")) {
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
    if (command == "set") {
        bool dryRun = false;
        std::vector<Assignment> assignments;
        for (const std::string& arg : rest) {
            const std::size_t equals = arg.find('=');
            if (arg == "--dry-run")
                dryRun = true;
            else if (arg.starts_with("--")) {
                err << "brevane-cli: set: unknown option " << arg << "\n" << usage();
                return 2;
            } else if (equals == std::string::npos || equals == 0) {
                err << "brevane-cli: set: " << arg << " is not NAME=VALUE\n" << usage();
                return 2;
            } else
                assignments.push_back({arg.substr(0, equals), arg.substr(equals + 1)});
        }
        if (assignments.empty()) {
            err << "brevane-cli: set: nothing to set\n" << usage();
            return 2;
        }
        return set(dir, assignments, dryRun, programFolder, out, err);
    }
    err << "brevane-cli: unknown command " << command << "\n" << usage();
    return 2;
}

} // namespace brevane::cli

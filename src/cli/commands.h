#pragma once
// brevane-cli: the editor's own load, collect and save, driven from a terminal.
//   set DIR NAME=VALUE... [--dry-run]  set controls as a user does in the window, then save
//   show DIR [--json] [NAME...]        every managed control (or the named ones) with the value it shows
//   resave DIR [--dry-run]             load DIR/User.ini and DIR/UT2004.ini, then save them unedited
// The usage text (usage()) documents them all.
#include <iosfwd>
#include <string>
#include <vector>

namespace brevane::cli {

/// Runs one command; `args` are the arguments after the program name. `programFolder` is the
/// folder of the running program (ends with a separator). Results go to `out`; errors go to `err`
/// and give a non-zero result (2 for a wrong command line, 1 for anything else) with no file touched.
int runCli(const std::vector<std::string>& args, const std::string& programFolder, std::ostream& out,
           std::ostream& err);

/// The usage text of every command, printed by help, --help and -h and after a wrong command line.
std::string usage();

} // namespace brevane::cli

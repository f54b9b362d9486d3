#pragma once
// What a load and an unedited save must never do to a pair of files, whatever their bytes: crash,
// keep changing on every save, or drop a line that no page manages. Shared by the fuzz target
// (tools/fuzz) and the ordinary test over its seed corpus.
#include <string>
#include <string_view>

namespace resave_check {

/// A pair of files as the fuzz target reads them from one input: User.ini, then the separator
/// line, then UT2004.ini. Without the separator everything is User.ini and UT2004.ini is empty.
struct FilePair {
    std::string user;
    std::string game;
};
inline constexpr std::string_view kPairSeparator = "\n--UT2004.ini--\n";
FilePair splitPair(std::string_view input);
std::string joinPair(const FilePair& pair);

/// The bytes an unedited File > Save writes for a pair: full load from a folder holding the pair,
/// collect, and the writer's rendering of both files.
FilePair resave(const FilePair& pair, const std::string& folder);

/// Loads and saves `pair` twice in `folder` (which ends with a separator and may be reused) and
/// returns "" when every invariant holds, else what broke:
/// - the second save gives the bytes of the first (a file whose last line lacks CR LF gains it at the
///   first save and, like every file that ends in CR LF, one empty line at the second: for such a
///   file the second and third saves must agree);
/// - every input line that no page table manages, that is no alias line and not blank, stands in the
///   first save's output, in the order of the input.
std::string checkResaveInvariants(const FilePair& pair, const std::string& folder);

} // namespace resave_check

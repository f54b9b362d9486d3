#pragma once
// Moving bindings between the User.ini document and the bind boxes. A binding line is any line of the
// document whose whole value equals a command (ignoring letter case), wherever it stands; its key is
// the key name. Boxes are walked from the lowest index to the highest.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "documents/config_document.h"
#include "toolkit/control_array.h"
#include "toolkit/text_box.h"

namespace brevane {

struct AppState;

/// The first and second binding lines of several commands, found in one pass over the document (asking
/// GetBind for each of the page's commands would pass over the whole file once per command).
class BindingLines {
public:
    BindingLines(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                 const std::vector<std::string_view> &commands);
    /// As GetBind and GetBind2 for one of `commands`; "" for a command that was not asked about.
    std::string first(std::string_view command) const { return nth(command, 0); }
    std::string second(std::string_view command) const { return nth(command, 1); }

private:
    std::string nth(std::string_view command, std::size_t n) const;
    std::unordered_map<std::string, std::vector<std::string>, IgnoreCaseHash, IgnoreCaseEqual> m_keysByCommand;
};

/// The key of the first binding line of `command`, or "" when it has none.
std::string GetBind(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                    std::string_view command);
/// The key of the second binding line of `command`, or "" when it has fewer than two. A third or later
/// binding line is never reported.
std::string GetBind2(const std::vector<std::string> &keys, const std::vector<std::string> &values,
                     std::string_view command);

/// Storing a box: the first line whose key is exactly `keyName` (letter case included) gets `command`
/// as its value, unless a later line of that key already holds `command` (ignoring letter case): then
/// that line does, and the first keeps its value. An empty name, or a name that is the key of no line,
/// stores nothing. Returns whether a line was stored.
bool storeBinding(ConfigDocument &userIni, std::string_view keyName, std::string_view command);
/// Unbinding a key: the first line whose key is exactly `keyName` gets the empty value; the line
/// itself stays. An empty name, or a name that is the key of no line, unbinds nothing.
bool unbindKey(ConfigDocument &userIni, std::string_view keyName);

/// Font size of a bind box at rest: 7 points for a text of at most 10 characters, 6 points beyond.
double restingFontSize(std::string_view text);

/// Puts the name of `keyCode` into box `index` (the empty text when the code has no name), remembers
/// it in `LastBoundKey` / `LastBoundIndex`, and sends the focus to `parking` so that the box ends its
/// capture.
void Bind(AppState &state, tk::ControlArray<tk::TextBox> &boxes, int index, int keyCode, tk::Control &parking);
/// Empties every box other than `LastBoundIndex` that shows `LastBoundKey` (ignoring letter case), so
/// that a key stands in one box only, and gives every box its resting font size.
void DelKey(const AppState &state, tk::ControlArray<tk::TextBox> &boxes);

} // namespace brevane

#include "bindings/key_names.h"

#include "documents/config_document.h"

#include <array>
#include <unordered_map>

namespace brevane {

namespace {

constexpr int kCodeCount = 255; // codes 0..254

/// The names of the codes that follow no rule; the runs (digits, letters, keypad digits, F keys,
/// extra mouse buttons, joystick buttons) are filled in by `buildTable`.
struct NamedCode {
    int code;
    const char *name;
};
constexpr NamedCode kSingleNames[] = {
    {0, "None"},          {1, "LeftMouse"},   {2, "RightMouse"},     {3, "Cancel"},        {4, "MiddleMouse"},
    {8, "Backspace"},     {9, "Tab"},         {13, "Enter"},         {16, "Shift"},        {17, "Ctrl"},
    {18, "Alt"},          {19, "Pause"},      {20, "CapsLock"},      {27, "Escape"},       {32, "Space"},
    {33, "PageUp"},       {34, "PageDown"},   {35, "End"},           {36, "Home"},         {37, "Left"},
    {38, "Up"},           {39, "Right"},      {40, "Down"},          {41, "Select"},       {42, "Print"},
    {43, "Execute"},      {44, "PrintScrn"},  {45, "Insert"},        {46, "Delete"},       {47, "Help"},
    {106, "GreyStar"},    {107, "GreyPlus"},  {108, "Separator"},    {109, "GreyMinus"},   {110, "NumPadPeriod"},
    {111, "GreySlash"},   {144, "NumLock"},   {145, "ScrollLock"},   {160, "LShift"},      {161, "RShift"},
    {162, "LControl"},    {163, "RControl"},  {185, "Unicode"},      {186, "Semicolon"},   {187, "Equals"},
    {188, "Comma"},       {189, "Minus"},     {190, "Period"},       {191, "Slash"},       {192, "Tilde"},
    {219, "LeftBracket"}, {220, "Backslash"}, {221, "RightBracket"}, {222, "SingleQuote"}, {228, "MouseX"},
    {229, "MouseY"},      {230, "MouseZ"},    {232, "JoyU"},         {233, "JoyV"},        {234, "JoySlider1"},
    {235, "JoySlider2"},  {236, "MWheelUp"},  {237, "MWheelDown"},   {240, "JoyX"},        {241, "JoyY"},
    {242, "JoyZ"},        {243, "JoyR"},      {246, "Attn"},         {247, "CrSel"},       {248, "ExSel"},
    {249, "ErEof"},       {250, "Play"},      {251, "Zoom"},         {252, "NoName"},      {253, "PA1"},
    {254, "OEMClear"},
};

using Table = std::array<std::string, kCodeCount>;

void nameRun(Table &table, int first, int last, const std::string &prefix, int firstNumber) {
    for (int code = first; code <= last; ++code)
        table[code] = prefix + std::to_string(firstNumber + code - first);
}

Table buildTable() {
    Table table;
    nameRun(table, 48, 57, "", 0);
    for (int code = 65; code <= 90; ++code)
        table[code] = std::string(1, static_cast<char>(code));
    // The game writes these two in lower case.
    table[73] = "i";
    table[74] = "j";
    nameRun(table, 96, 105, "NumPad", 0);
    nameRun(table, 112, 135, "F", 1);
    nameRun(table, 193, 197, "Mouse", 4);
    nameRun(table, 200, 215, "Joy", 1);
    for (const NamedCode &entry : kSingleNames)
        table[entry.code] = entry.name;
    return table;
}

const Table &table() {
    static const Table built = buildTable();
    return built;
}

} // namespace

std::string KeyCodeToName(int code) {
    if (code < 0 || code >= kCodeCount) return {};
    return table()[code];
}

bool isKeyName(std::string_view name) {
    return KeyNameToCode(name).has_value();
}

std::optional<int> KeyNameToCode(std::string_view name) {
    // Asked for every line that holds a bound command, at every load: a map rather than a pass over
    // the table. Where two codes share a name the lower one answers.
    static const std::unordered_map<std::string_view, int, IgnoreCaseHash, IgnoreCaseEqual> codes = [] {
        std::unordered_map<std::string_view, int, IgnoreCaseHash, IgnoreCaseEqual> all;
        for (int code = 0; code < kCodeCount; ++code)
            if (!table()[code].empty()) all.try_emplace(table()[code], code);
        return all;
    }();
    if (name.empty()) return std::nullopt;
    auto found = codes.find(name);
    if (found == codes.end()) return std::nullopt;
    return found->second;
}

bool isMouseButtonCode(int code) {
    return code == 1 || code == 2 || code == 4 || (code >= 193 && code <= 197);
}

} // namespace brevane

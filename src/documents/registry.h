#pragma once
// Module Registry: reads one value of the game's registry entry. On Windows that is the system
// registry; elsewhere the game is installed under Wine, which keeps its registry as text files in the
// prefix, and the same reader works on those.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace brevane {

/// A registry value as the program uses it: a text (string values, and every failure as "") or a
/// signed 32-bit number.
using RegistryValue = std::variant<std::string, std::int32_t>;

enum class RegistryRoot { LocalMachine, CurrentUser };

/// The text of a value, or "" when it is a number.
std::string registryText(const RegistryValue& value);

#ifdef _WIN32
/// Reads `valueName` of `subKey` under `root`. A string value gives its text up to its first NUL, a
/// 32-bit number its value; a missing key or value, any other type and any failure give "".
RegistryValue ReadRegistryValue(RegistryRoot root, std::string_view subKey, std::string_view valueName);
#endif

/// The same reading, from Wine's registry files in `winePrefix` (system.reg for the local machine,
/// user.reg for the current user). A missing or unreadable file gives "".
RegistryValue ReadWineRegistryValue(const std::string& winePrefix, RegistryRoot root, std::string_view subKey,
                                    std::string_view valueName);

/// Looks `valueName` up under `subKey` (backslash-separated, compared ignoring case) in the text of
/// one Wine registry file. String values are unescaped and converted to Windows-1252, then cut at
/// their first NUL; "dword:" values give the number; every other type gives "".
RegistryValue parseWineRegistryValue(std::string_view regText, std::string_view subKey,
                                     std::string_view valueName);

} // namespace brevane

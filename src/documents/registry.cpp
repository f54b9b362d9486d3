#include "documents/registry.h"

#include <optional>

#include "documents/config_document.h"
#include "documents/read_file.h"
#include "documents/windows1252.h"

namespace brevane {

namespace {

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char escapedControl(char c) {
    switch (c) {
    case 'a':
        return '\a';
    case 'b':
        return '\b';
    case 'e':
        return '\x1b';
    case 'f':
        return '\f';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    case 'v':
        return '\v';
    default:
        return c; // \\ \" \] and anything else stand for themselves
    }
}

// Reads an escaped text from `text` at `pos` up to the unescaped `end` character and leaves `pos`
// after it. Wine writes characters outside ASCII as \x escapes of their UTF-16 code; raw bytes above
// ASCII are taken as UTF-8. Everything comes back as Windows-1252. nullopt when `end` never comes.
std::optional<std::string> readEscaped(std::string_view text, std::size_t& pos, char end) {
    std::string out;
    std::string raw;
    auto flushRaw = [&] {
        out += utf8ToWindows1252(raw);
        raw.clear();
    };
    auto appendCodePoint = [&](char32_t cp) {
        flushRaw();
        int byte = unicodeToWindows1252(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
    };
    while (pos < text.size()) {
        char c = text[pos++];
        if (c == end) {
            flushRaw();
            return out;
        }
        if (c != '\\' || pos >= text.size()) {
            raw += c;
            continue;
        }
        char e = text[pos++];
        if (e == 'x') {
            char32_t cp = 0;
            int digits = 0;
            for (int d; digits < 4 && pos < text.size() && (d = hexDigit(text[pos])) >= 0; ++digits, ++pos)
                cp = cp * 16 + static_cast<char32_t>(d);
            appendCodePoint(digits ? cp : U'x');
        } else if (isOctal(e)) {
            char32_t cp = static_cast<char32_t>(e - '0');
            for (int digits = 1; digits < 3 && pos < text.size() && isOctal(text[pos]); ++digits, ++pos)
                cp = cp * 8 + static_cast<char32_t>(text[pos] - '0');
            appendCodePoint(cp);
        } else {
            appendCodePoint(static_cast<unsigned char>(escapedControl(e)));
        }
    }
    return std::nullopt;
}

RegistryValue parseData(std::string_view data) {
    if (data.starts_with('"')) {
        std::size_t pos = 1;
        std::optional<std::string> text = readEscaped(data, pos, '"');
        if (!text) return std::string();
        return text->substr(0, text->find('\0')); // like the registry API's buffer: up to the first NUL
    }
    if (data.starts_with("dword:")) {
        std::string_view digits = data.substr(6);
        if (digits.empty() || digits.size() > 8) return std::string();
        std::uint32_t number = 0;
        for (char c : digits) {
            int d = hexDigit(c);
            if (d < 0) return std::string();
            number = number * 16 + static_cast<std::uint32_t>(d);
        }
        return static_cast<std::int32_t>(number);
    }
    return std::string(); // hex(2) and str(2) expandable strings, binary, multi-strings, qwords
}

} // namespace

std::string registryText(const RegistryValue& value) {
    const std::string* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

RegistryValue parseWineRegistryValue(std::string_view regText, std::string_view subKey,
                                     std::string_view valueName) {
    bool inKey = false;
    std::size_t start = 0;
    while (start < regText.size()) {
        std::size_t end = regText.find('\n', start);
        if (end == std::string_view::npos) end = regText.size();
        std::string_view line = regText.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);

        if (line.starts_with('[')) {
            std::size_t pos = 1;
            std::optional<std::string> key = readEscaped(line, pos, ']');
            inKey = key && equalsIgnoreCase(*key, subKey);
            continue;
        }
        if (!inKey) continue;

        std::optional<std::string> name;
        std::size_t pos = 0;
        if (line.starts_with("@=")) {
            name = std::string();
            pos = 1;
        } else if (line.starts_with('"')) {
            pos = 1;
            name = readEscaped(line, pos, '"');
        }
        if (!name || pos >= line.size() || line[pos] != '=' || !equalsIgnoreCase(*name, valueName)) continue;
        return parseData(line.substr(pos + 1));
    }
    return std::string();
}

RegistryValue ReadWineRegistryValue(const std::string& winePrefix, RegistryRoot root, std::string_view subKey,
                                    std::string_view valueName) {
    std::string path = winePrefix;
    if (!path.empty() && path.back() != '/') path += '/';
    path += root == RegistryRoot::LocalMachine ? "system.reg" : "user.reg";
    FileText file = ReadFile(path);
    if (!file.ok) return std::string();
    return parseWineRegistryValue(file.text, subKey, valueName);
}

} // namespace brevane

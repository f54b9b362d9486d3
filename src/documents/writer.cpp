#include "documents/writer.h"

namespace brevane {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kQuietMenuHeader = "[XInterface.GUIController]";

// The kind recorded at load; a document put together by hand without kinds is classified here the
// same way.
LineKind kindOf(const ConfigDocument& doc, std::size_t i) {
    if (i < doc.kinds.size()) return doc.kinds[i];
    const std::string& line = doc.lines[i];
    if (line.empty()) return LineKind::Empty;
    if (FindFirst(line, "]") == line.size()) return LineKind::Header;
    return line.find('=') != std::string::npos ? LineKind::KeyValue : LineKind::Verbatim;
}

// The ordinary rules, shared by both files: blank-line runs, headers, verbatim and key=value lines.
class LineWriter {
public:
    explicit LineWriter(std::string& out) : m_out(out) {}

    void writeLine(std::string_view text) {
        m_out += text;
        m_out += kLineEnd;
    }

    void writeKeyValue(std::string_view key, std::string_view value) {
        m_out += key;
        m_out += '=';
        m_out += value;
        m_out += kLineEnd;
    }

    /// A blank line, unless the last line written through these rules was blank already.
    void writeBlankLine() {
        if (!m_blankWritten) writeLine("");
        m_blankWritten = true;
    }

    /// An alias page's text as one block. An empty page is a blank line in the file and is written
    /// as one: the next load reads it as blank, so anything else would shift the blank runs again at
    /// the next save.
    void writeBlock(const std::string& text) {
        if (text.empty())
            writeBlankLine();
        else
            writeLine(text);
    }

    void writeDocumentLine(const ConfigDocument& doc, std::size_t i) {
        const std::string& key = doc.keys[i];
        if (key.empty()) {
            writeBlankLine();
            return;
        }
        const std::string& value = doc.values[i];
        switch (kindOf(doc, i)) {
        case LineKind::Header:
            writeLine(key);
            break;
        case LineKind::Verbatim:
            // Loaded with an empty value: a value here means a setting was stored into the line.
            if (value.empty())
                writeLine(key);
            else
                writeKeyValue(key, value);
            break;
        default:
            writeKeyValue(key, value);
            break;
        }
        m_blankWritten = false;
    }

private:
    std::string& m_out;
    bool m_blankWritten = false;
};

// Room for the whole file at once: a file of many thousands of lines would otherwise be copied into
// ever larger buffers as it grows.
std::size_t roughSize(const ConfigDocument& doc) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < doc.lines.size(); ++i)
        bytes += doc.keys[i].size() + 1 + doc.values[i].size() + kLineEnd.size();
    return bytes;
}

// A key holding "liases[" in any letter case. Asked for every line of User.ini, so the bracket, which
// has no letter case, is looked for first.
bool isAliasListKey(std::string_view key) {
    return key.find('[') != std::string_view::npos && CountOccurrences(key, "liases[", false) > 0;
}

const char* trueFalse(bool checked) {
    return checked ? "True" : "False";
}

} // namespace

std::string renderUserIni(const ConfigDocument& doc, const WriterInputs& inputs) {
    std::string out;
    out.reserve(roughSize(doc) + inputs.textToSpeechAliases.size() + inputs.aliases.size() + 128);
    LineWriter writer(out);
    bool speechAliasesWritten = false;
    bool aliasesWritten = false;
    for (std::size_t i = 0; i < doc.lines.size(); ++i) {
        const std::string& key = doc.keys[i];
        if (key == kQuietMenuHeader && inputs.quietMenuMissing) {
            writer.writeLine(kQuietMenuHeader);
            writer.writeLine(std::string("bQuietMenu=") + trueFalse(inputs.quietMenuChecked));
            writer.writeLine(std::string("bNoToolTips=") + trueFalse(inputs.noToolTipsChecked));
        } else if (equalsIgnoreCase(key, "Aliases")) {
            // Any letter case: the alias page loaded this line too, so the block already holds it.
            // Written again as itself it would come back once more at every later load and save.
            if (!speechAliasesWritten) writer.writeBlock(inputs.textToSpeechAliases);
            speechAliasesWritten = true;
        } else if (isAliasListKey(key)) {
            if (!aliasesWritten) writer.writeBlock(inputs.aliases);
            aliasesWritten = true;
        } else {
            writer.writeDocumentLine(doc, i);
        }
    }
    return out;
}

std::string renderGameIni(const ConfigDocument& doc) {
    std::string out;
    out.reserve(roughSize(doc));
    LineWriter writer(out);
    for (std::size_t i = 0; i < doc.lines.size(); ++i)
        writer.writeDocumentLine(doc, i);
    return out;
}

SaveOutcome WriteDocuments(const std::string& systemFolder, const ConfigDocument& userIni,
                           const ConfigDocument& gameIni, const WriterInputs& inputs) {
    // Moved in rather than listed in braces: an initializer list would copy both files' bytes.
    std::vector<FileToWrite> files;
    files.reserve(2);
    files.push_back({systemFolder + "User.ini", renderUserIni(userIni, inputs)});
    files.push_back({systemFolder + "UT2004.ini", renderGameIni(gameIni)});
    return writeFilesSafely(files);
}

} // namespace brevane

#include "app/alias_pages.h"

namespace brevane {

namespace {

bool containsIgnoreCase(std::string_view text, std::string_view find) {
    return CountOccurrences(text, find, false) > 0;
}

/// 1-based position of the first occurrence of `find` in `text` ignoring ASCII case, 0 when none.
std::size_t findFirstIgnoreCase(std::string_view text, std::string_view find) {
    for (std::size_t s = 0; s + find.size() <= text.size(); ++s)
        if (equalsIgnoreCase(text.substr(s, find.size()), find)) return s + 1;
    return 0;
}

template <typename Keep> std::string joinLines(const ConfigDocument &doc, Keep keep) {
    std::string text;
    bool first = true;
    for (std::size_t i = 0; i < doc.lineCount(); ++i) {
        if (!keep(doc.keys[i], doc.values[i])) continue;
        if (!first) text += "\r\n";
        first = false;
        text += doc.keys[i];
        text += '=';
        text += doc.values[i];
    }
    return text;
}

} // namespace

std::string speechAliasText(const ConfigDocument &doc) {
    return joinLines(doc,
                     [](const std::string &key, const std::string &) { return equalsIgnoreCase(key, "Aliases"); });
}

std::string commandAliasText(const ConfigDocument &doc) {
    return joinLines(doc, [](const std::string &key, const std::string &value) {
        return containsIgnoreCase(key, "liases[") && !equalsIgnoreCase(value, kEmptyCommandAlias);
    });
}

AliasPages::AliasPages(tk::Form &form, tk::RichTextBox &RTB_TextToSpeechAlias, tk::RichTextBox &RTB_Aliases)
    : cb_TxTAlias_Add(form, "cb_TxTAlias_Add", "Add A New Text To Speech Alias"),
      cb_Aliases(form, "cb_Aliases", "Add A New Alias"), speechCaption(form, "Label15(2)", "Text To Speech Alias"),
      aliasesCaption(form, "Label15(3)", "Aliases"), m_form(form), m_speech(RTB_TextToSpeechAlias),
      m_aliases(RTB_Aliases) {
    cb_TxTAlias_Add.Click = [this] { addSpeechAlias(); };
    cb_Aliases.Click = [this] { addCommandAlias(); };
}

void AliasPages::load(const ConfigDocument &userIni) {
    m_speech.setText(speechAliasText(userIni));
    m_aliases.setText(commandAliasText(userIni));
}

void AliasPages::addSpeechAlias() {
    // The template goes on top; each click also leaves one more line break at the end, which the
    // game reads as a blank line.
    m_speech.setText(std::string(kSpeechAliasTemplate) + "\r\n" + m_speech.text() + "\r\n");
}

void AliasPages::addCommandAlias() {
    // The index is how many "Aliases[" the box holds now (exact case), so it can repeat an index
    // the file already uses when some slots were hidden as unused; the game takes the last one.
    const std::size_t n = CountOccurrences(m_aliases.text(), "Aliases[", true);
    const std::string line = "Aliases[" + std::to_string(n) + "]=(Command=,Alias=)";
    const std::string text = m_aliases.text() + "\r\n" + line;
    m_aliases.setText(text);
    const std::size_t p = findFirstIgnoreCase(text, line);
    if (p == 0) return;
    // One past the end of the first such line: when the new line is the only one that is past the
    // end of the text, and the box clamps it to the end.
    m_form.setFocus(&m_aliases);
    m_aliases.setSelection(static_cast<long>(p + line.size()), 0);
}

} // namespace brevane

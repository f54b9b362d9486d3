#include "documents/writer.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace brevane {
namespace {

using testing_support::crlf;

std::string joined(std::initializer_list<std::string> lines) {
    std::string text = crlf(lines);
    return text.substr(0, text.size() - 2); // no CR LF after the last line
}

ConfigDocument loaded(const std::string& text) {
    ConfigDocument doc;
    doc.load(text);
    return doc;
}

TEST(Writer, OrdinaryRulesForBothFiles) {
    struct Case {
        const char* what;
        std::string in;
        std::string out;
    } cases[] = {
        {"three blank lines become one", joined({"[A]", "a=1", "", "", "", "[B]"}),
         crlf({"[A]", "a=1", "", "[B]"})},
        {"a single blank between sections stays", joined({"[A]", "a=1", "", "[B]"}),
         crlf({"[A]", "a=1", "", "[B]"})},
        {"a line beginning with = is blank", joined({"[A]", "=x", "b=2"}), crlf({"[A]", "", "b=2"})},
        {"= lines and blanks are one run", joined({"[A]", "=x", "", "=y", "[B]"}), crlf({"[A]", "", "[B]"})},
        {"leading blanks", joined({"", "", "[A]"}), crlf({"", "[A]"})},
        {"lines without = survive", joined({"; remark", "[A] ; note", "   ", "[B]"}),
         crlf({"; remark", "[A] ; note", "   ", "[B]"})},
        {"key=value lines come back as they were",
         joined({"Name = P", "A=B=C", "Key=[Value]", "k=", ";RenderDevice=D3DDrv.D3DRenderDevice"}),
         crlf({"Name = P", "A=B=C", "Key=[Value]", "k=", ";RenderDevice=D3DDrv.D3DRenderDevice"})},
        {"a final CR LF leaves one empty line", crlf({"[A]", "a=1"}), crlf({"[A]", "a=1", ""})},
        {"LF-only file is one line", "[A]\na=1\n", crlf({"[A]\na=1\n"})},
        {"empty file", "", ""},
    };
    for (const auto& c : cases) {
        const ConfigDocument doc = loaded(c.in);
        EXPECT_EQ(renderGameIni(doc), c.out) << c.what;
        EXPECT_EQ(renderUserIni(doc, WriterInputs{}), c.out) << c.what;
    }
}

TEST(Writer, UserIniAliasesQuietMenuAndStoredValues) {
    ConfigDocument doc = loaded(crlf({
        "[DefaultPlayer]",
        "Name=Player",
        "",
        "",
        "[Engine.PlayerInput]",
        "Aliases[0]=(Command=\"say hi\",Alias=hi)",
        "Aliases[1]=(Command=,Alias=)",
        "bPlayershadows=True",
        "Aliases[2]=(Command=\"suicide\",Alias=kill)",
        "",
        "[XInterface.GUIController]",
        "MenuFont=Big",
        "[Engine.TextToSpeechAlias]",
        "Aliases=(MatchWords=(\"lol\"),ReplaceWord=\"laughing\")",
        "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"back soon\")",
        "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")",
        "Aliases=(MatchWords=(\"afk\"),ReplaceWord=\"away\")",
        "[Engine.Input]",
        "bSomething",
        "; left alone",
    }));
    EXPECT_TRUE(storeValue(doc, findKey(doc, "Name"), "Player2"));
    EXPECT_FALSE(storeValue(doc, findKey(doc, "bPlayerShadows"), "False")); // file spells it otherwise
    EXPECT_TRUE(storeValue(doc, findKeyInSection(doc, "bSomething", "[Engine.Input]"), "True"));
    EXPECT_TRUE(storeValue(doc, findKey(doc, "; left alone"), ""));

    WriterInputs inputs;
    inputs.quietMenuMissing = true;
    inputs.quietMenuChecked = true;
    inputs.noToolTipsChecked = false;
    // The alias pages as loaded: empty command slots are not shown, the lower-case key is.
    inputs.aliases =
        joined({"Aliases[0]=(Command=\"say hi\",Alias=hi)", "Aliases[2]=(Command=\"suicide\",Alias=kill)"});
    inputs.textToSpeechAliases = joined({
        "Aliases=(MatchWords=(\"lol\"),ReplaceWord=\"laughing\")",
        "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"back soon\")",
        "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")",
        "Aliases=(MatchWords=(\"afk\"),ReplaceWord=\"away\")",
    });

    EXPECT_EQ(renderUserIni(doc, inputs), crlf({
                                              "[DefaultPlayer]",
                                              "Name=Player2",
                                              "",
                                              "[Engine.PlayerInput]",
                                              "Aliases[0]=(Command=\"say hi\",Alias=hi)",
                                              "Aliases[2]=(Command=\"suicide\",Alias=kill)",
                                              "bPlayershadows=True",
                                              "",
                                              "[XInterface.GUIController]",
                                              "bQuietMenu=True",
                                              "bNoToolTips=False",
                                              "MenuFont=Big",
                                              "[Engine.TextToSpeechAlias]",
                                              "Aliases=(MatchWords=(\"lol\"),ReplaceWord=\"laughing\")",
                                              "Aliases=(MatchWords=(\"brb\"),ReplaceWord=\"back soon\")",
                                              "aliases=(MatchWords=(\"gg\"),ReplaceWord=\"good game\")",
                                              "Aliases=(MatchWords=(\"afk\"),ReplaceWord=\"away\")",
                                              // the lower-case line stands in the block only
                                              "[Engine.Input]",
                                              "bSomething=True",
                                              "; left alone",
                                              "",
                                          }));
    // The game's file has no alias or QuietMenu rules.
    EXPECT_EQ(renderGameIni(loaded(joined({"[XInterface.GUIController]", "Aliases=a", "Aliases[0]=b"}))),
              crlf({"[XInterface.GUIController]", "Aliases=a", "Aliases[0]=b"}));
}

TEST(Writer, QuietMenuLinesFollowTheFlagAndTheTwoBoxes) {
    const std::string in = joined({"[XInterface.GUIController]", "MenuFont=Big"});
    struct Case {
        std::string in;
        bool missing, quiet, noToolTips;
        std::string out;
    } cases[] = {
        {in, true, true, false,
         crlf({"[XInterface.GUIController]", "bQuietMenu=True", "bNoToolTips=False", "MenuFont=Big"})},
        {in, true, false, true,
         crlf({"[XInterface.GUIController]", "bQuietMenu=False", "bNoToolTips=True", "MenuFont=Big"})},
        {in, false, true, true, crlf({"[XInterface.GUIController]", "MenuFont=Big"})},
        {joined({"[xinterface.guicontroller]", "x=1"}), true, true, true,
         crlf({"[xinterface.guicontroller]", "x=1"})},
    };
    for (const auto& c : cases) {
        WriterInputs inputs;
        inputs.quietMenuMissing = c.missing;
        inputs.quietMenuChecked = c.quiet;
        inputs.noToolTipsChecked = c.noToolTips;
        EXPECT_EQ(renderUserIni(loaded(c.in), inputs), c.out) << c.in << c.missing << c.quiet << c.noToolTips;
    }
}

TEST(Writer, AliasBlocksLeaveTheBlankRunAsItWas) {
    WriterInputs inputs;
    inputs.aliases = "Aliases[0]=x";
    inputs.textToSpeechAliases = ""; // an emptied page still stands as one (empty) line
    EXPECT_EQ(renderUserIni(loaded(joined({"[A]", "", "Aliases[0]=x", "", "[B]", "Aliases=y", "c=1"})), inputs),
              crlf({"[A]", "", "Aliases[0]=x", "[B]", "", "c=1"}));
    // An empty page is a blank line and joins the blank run it stands in, so the next save, which
    // reads it back as blank, writes the same lines.
    inputs.aliases = "";
    EXPECT_EQ(renderUserIni(loaded(joined({"[A]", "", "Aliases[0]=x", "Aliases=y", "", "c=1"})), inputs),
              crlf({"[A]", "", "c=1"}));
}

TEST(Writer, SecondSaveIsByteIdentical) {
    const std::string file = crlf({"[Engine.Input]", "A=1", "", "", "; note", "[Engine.PlayerInput]",
                                   "Aliases[0]=(Command=a,Alias=b)", "=odd", "", "[X]", "k=v"});
    WriterInputs inputs;
    inputs.aliases = "Aliases[0]=(Command=a,Alias=b)";
    const std::string first = renderUserIni(loaded(file), inputs);
    EXPECT_EQ(renderUserIni(loaded(first), inputs), first);
    const std::string firstGame = renderGameIni(loaded(file));
    EXPECT_EQ(renderGameIni(loaded(firstGame)), firstGame);
}

TEST(Writer, AliasLinesInAnotherLetterCaseStandOnlyInTheirBlock) {
    // The alias pages load these keys ignoring case; were such a line also written as itself, each
    // load and save would add one more copy of it to the file.
    const std::string file = crlf({"[A]", "Aliases[0]=(Command=a,Alias=b)", "AliaseS[0]=(Command=c,Alias=d)",
                                   "Aliases=(MatchWords=(\"x\"))", "ALIASES=(MatchWords=(\"y\"))", "k=v"});
    WriterInputs inputs;
    inputs.aliases = joined({"Aliases[0]=(Command=a,Alias=b)", "AliaseS[0]=(Command=c,Alias=d)"});
    inputs.textToSpeechAliases = joined({"Aliases=(MatchWords=(\"x\"))", "ALIASES=(MatchWords=(\"y\"))"});
    const std::string first = renderUserIni(loaded(file), inputs);
    EXPECT_EQ(first, file + "\r\n");
    EXPECT_EQ(renderUserIni(loaded(first), inputs), first);
    // Alone, a line in another case is its own block and comes back as it was.
    inputs.textToSpeechAliases = "aliases=(MatchWords=(\"z\"))";
    EXPECT_EQ(renderUserIni(loaded(joined({"[A]", "aliases=(MatchWords=(\"z\"))"})), inputs),
              crlf({"[A]", "aliases=(MatchWords=(\"z\"))"}));
}

TEST(Writer, EveryByteValueAndEveryLineOfALongFileSurvive) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b); // 13 is followed by 14: no CR LF inside
    std::string noEquals = all;
    noEquals.erase(noEquals.find('='), 1);
    std::string text = joined({"[S]", "Bytes=" + all, noEquals, "=" + all});
    EXPECT_EQ(renderGameIni(loaded(text)), crlf({"[S]", "Bytes=" + all, noEquals, ""}));

    std::string big;
    for (int i = 0; i < 5000; ++i)
        big += "Key" + std::to_string(i) + "=" + all.substr(32 + i % 90, 5) + "\r\n";
    big += "Last=end";
    EXPECT_EQ(renderGameIni(loaded(big)), big + "\r\n");
    EXPECT_EQ(renderUserIni(loaded(big), WriterInputs{}), big + "\r\n");
}

TEST(Writer, AValueForAMissingKeyChangesNothing) {
    // Line 0 is a key=value line: a missing key must not land there.
    const std::string file = crlf({"First=1", "[A]", "b=2"});
    ConfigDocument doc = loaded(file);
    const std::string before = renderGameIni(doc);
    EXPECT_FALSE(storeValue(doc, findKey(doc, "Absent"), "x"));
    EXPECT_FALSE(storeValue(doc, findKeyInSection(doc, "b", "[Missing]"), "x"));
    EXPECT_FALSE(storeValue(doc, findKeyInSection(doc, "Absent", "[A]"), "x"));
    EXPECT_EQ(renderGameIni(doc), before);
    EXPECT_EQ(renderUserIni(doc, WriterInputs{}), before);
}

} // namespace
} // namespace brevane

// The alias tabs on screen: a real click on "Add A New Alias" puts the focus into the box with the
// caret after the new line, and what the user types there is what a save writes.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/main_window.h"
#include "support/test_support.h"

namespace {

using namespace testing_support;

TEST(AliasTabs, AddAliasClickFocusesTheBoxWithTheCaretAfterTheNewLineAndTypingIsSaved) {
    TempDir folder;
    writeBytes(folder.path() / "User.ini", crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)",
                                                 "Aliases[1]=(Command=,Alias=)"}));
    writeBytes(folder.path() / "UT2004.ini", crlf({"[URL]"}));
    brevane::INI model({}, BREVANE_BIN_DIR "/");
    model.state.SystemFolder = model.state.InstalledSystemFolder = folder.folder();
    model.Load_INI_Form();
    brevane::qt::MainWindow window(model);
    window.showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.tabs()->setCurrentIndex(11); // "Aliases"

    auto* button = qobject_cast<QPushButton*>(window.binder().widgetFor(&model.aliasPages.cb_Aliases));
    auto* edit = qobject_cast<QPlainTextEdit*>(window.binder().widgetFor(&model.RTB_Aliases));
    ASSERT_TRUE(button && edit);
    EXPECT_EQ(button->text(), "Add A New Alias");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->toPlainText(), "Aliases[0]=(Command=\"say hi\",Alias=Hi)\nAliases[1]=(Command=,Alias=)");
    EXPECT_EQ(edit->textCursor().position(), edit->toPlainText().size());

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "Aliases[2]=(Command=\"suicide\",Alias=Die)");
    ASSERT_TRUE(model.saveDocuments());
    EXPECT_EQ(readBytes(folder.path() / "User.ini"),
              crlf({"[XGame.XPlayer]", "Aliases[0]=(Command=\"say hi\",Alias=Hi)", "Aliases[1]=(Command=,Alias=)",
                    "Aliases[2]=(Command=\"suicide\",Alias=Die)", ""}));
}

} // namespace

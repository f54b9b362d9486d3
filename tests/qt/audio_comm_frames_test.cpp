// The audio, mouse and communication numbers on screen: every row of their tables stands on its tab
// with its caption beside it, and the spin buttons step the box through the real widgets.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/main_window.h"
#include "qt/qt_text.h"
#include "settings/numeric_box.h"
#include "toolkit/text_box.h"

namespace {

using brevane::INI;
using brevane::qt::MainWindow;

/// The tab page (by caption) that holds `widget`, or an empty text.
QString tabOf(MainWindow& window, const QWidget* widget) {
    for (int i = 0; i < window.tabs()->count(); ++i)
        if (window.tabs()->widget(i)->isAncestorOf(widget)) return window.tabs()->tabText(i);
    return {};
}

TEST(AudioCommFrames, EveryRowStandsOnItsTabWithItsCaption) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    auto& pages = model.pages;
    struct Page {
        const brevane::TablePage* page;
        const char* tab;
    };
    for (const Page& p : {Page{&pages.audioOptions, "Audio / Misc"}, Page{&pages.mouseOptions, "Audio / Misc"},
                          Page{&pages.commNumbers, "&Communication / Hud"}}) {
        for (const auto& row : p.page->rows()) {
            QWidget* widget = window.binder().widgetFor(row.control);
            ASSERT_NE(widget, nullptr) << row.name;
            const bool network = row.key.find("Speed") != std::string::npos || row.key == "DynamicPingThreshold";
            EXPECT_EQ(tabOf(window, widget), network ? QString("Bind Keys") : QString(p.tab)) << row.name;
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                bool captionFound = false;
                for (QLabel* l : edit->parentWidget()->findChildren<QLabel*>())
                    captionFound |= l->buddy() == edit && l->text() == brevane::qt::toQt(row.caption);
                EXPECT_TRUE(captionFound) << row.name;
            }
        }
    }
}

TEST(AudioCommFrames, SpinButtonsStepTheBoxOnScreen) {
    INI model({}, BREVANE_BIN_DIR "/");
    MainWindow window(model);
    window.show();
    auto& comm = model.pages.shared.comm;
    comm.box(4).setText("252");
    auto* plus = qobject_cast<QPushButton*>(window.binder().widgetFor(&comm.plus(4)));
    auto* box = qobject_cast<QLineEdit*>(window.binder().widgetFor(&comm.box(4)));
    ASSERT_NE(plus, nullptr);
    ASSERT_NE(box, nullptr);
    window.tabs()->setCurrentIndex(2);
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(box->text(), "255");
    EXPECT_EQ(comm.box(4).text(), "255");
}

} // namespace

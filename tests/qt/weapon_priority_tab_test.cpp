// The " Weapons Priority" tab on screen: the column runs from slot 16 at the top down to slot 0, real
// mouse clicks on a slot and on a move button move the weapon, and every description fits its space.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/main_window.h"
#include "settings/weapon_info.h"
#include "settings/weapon_priority.h"

namespace {

using brevane::INI;
using brevane::WeaponPriority;
using brevane::qt::MainWindow;

struct PriorityTab {
    INI model{{}, BREVANE_BIN_DIR "/"};
    MainWindow window{model};
    WeaponPriority& page = model.pages.weaponPriority;

    PriorityTab() {
        window.show();
        window.activateWindow();
        window.tabs()->setCurrentIndex(3);
    }
    QWidget* widget(const tk::Control& control) { return window.binder().widgetFor(&control); }
};

TEST(WeaponPriorityTab, SlotsRunDownwardsFromSlot16AndTheMoveButtonsMoveTheClickedWeapon) {
    PriorityTab tab;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&tab.window));
    for (int slot = 0; slot < 17; ++slot)
        tab.page.tbx_WeaponPriority[slot].setText("W" + std::to_string(slot));
    for (int slot = 1; slot < 17; ++slot)
        EXPECT_LT(tab.widget(tab.page.tbx_WeaponPriority[slot])->y(),
                  tab.widget(tab.page.tbx_WeaponPriority[slot - 1])->y());
    EXPECT_LT(tab.widget(tab.page.b_WeaponMove[0])->y(), tab.widget(tab.page.b_WeaponMove[1])->y());

    QTest::mouseClick(tab.widget(tab.page.tbx_WeaponPriority[3]), Qt::LeftButton);
    EXPECT_EQ(tab.page.SelectedPrioritySlot, 3);
    QTest::mouseClick(tab.widget(tab.page.b_WeaponMove[0]), Qt::LeftButton);
    EXPECT_EQ(tab.page.tbx_WeaponPriority[4].text(), "W3");
    EXPECT_EQ(tab.page.tbx_WeaponPriority[3].text(), "W4");
    EXPECT_EQ(QApplication::focusWidget(), tab.widget(tab.page.tbx_WeaponPriority[4]));
    EXPECT_EQ(static_cast<QLineEdit*>(tab.widget(tab.page.tbx_WeaponPriority[4]))->text(), "W3");
    QTest::mouseClick(tab.widget(tab.page.b_WeaponMove[1]), Qt::LeftButton);
    QTest::mouseClick(tab.widget(tab.page.b_WeaponMove[1]), Qt::LeftButton);
    EXPECT_EQ(tab.page.tbx_WeaponPriority[2].text(), "W3");
    EXPECT_EQ(tab.page.SelectedPrioritySlot, 2);
}

TEST(WeaponPriorityTab, EveryDescriptionFitsBesideTheList) {
    PriorityTab tab;
    auto* description = static_cast<QLabel*>(tab.widget(tab.page.lbl_WeaponInfo));
    QWidget* frame = description->parentWidget();
    const int bottom = frame->contentsRect().bottom();
    ASSERT_GT(description->width(), 400) << "the tab is laid out";
    std::vector<std::string> texts = {brevane::startInfoDescription()};
    for (const auto& info : brevane::weaponInfoTable())
        texts.push_back(info.description);
    for (const std::string& text : texts) {
        tab.page.lbl_WeaponInfo.setCaption(text);
        EXPECT_LE(description->y() + description->heightForWidth(description->width()), bottom)
            << text.substr(0, 40);
    }
}

} // namespace

#include "qt/frames/weapon_frames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/colour_row.h"
#include "qt/layout_kit.h"
#include "qt/picture_widget.h"
#include "qt/qt_text.h"
#include "qt/tabs/tab_context.h"
#include "settings/colour_rows.h"
#include "settings/weapon_frames.h"

namespace brevane::qt {

namespace {
constexpr int kColumns = 4;
}

QGroupBox* buildWeaponFrame(TabContext& ctx, int index) {
    Pages& pages = ctx.ini.pages;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame(toQt(kWeaponFrames[index].caption), grid);
    grid->setVerticalSpacing(3);

    PictureWidget* weapon = ctx.binder.picture(pages.weaponSettings.p_WeaponSpecPic[index]);
    weapon->setFixedSize(100, 75);
    PictureWidget* crosshair = ctx.binder.picture(pages.crosshairChooser.p_CrossPic[index]);
    crosshair->setFixedSize(64, 64);
    crosshair->setFocusPolicy(Qt::NoFocus);
    weapon->setFocusPolicy(Qt::NoFocus);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(weapon);
    pictures->addStretch(1);
    pictures->addWidget(crosshair);
    grid->addLayout(pictures, 0, 0, 1, 4);

    QComboBox* combo = ctx.binder.comboBox(pages.crosshairChooser.cbx_Cross[index]);
    combo->setMaxVisibleItems(20);
    grid->addWidget(combo, 1, 0, 1, 4);

    int row = 2;
    grid->addWidget(ctx.binder.checkBox(pages.weaponSettings.c_SwapFire[index]), row++, 0, 1, 4);
    grid->addWidget(ctx.binder.checkBox(pages.weaponSettings.c_OldMesh[index]), row++, 0, 1, 4);
    if (index == kWeaponFrameCount - 1)
        grid->addWidget(ctx.binder.checkBox(pages.weaponSettings.c_OldMesh[16]), row++, 0, 1, 4);

    NumericBoxFamily& comm = pages.crosshairChooser.comm();
    const int scale = CrosshairChooser::kFirstScale + index;
    QLineEdit* scaleBox = ctx.binder.textBox(comm.box(scale));
    scaleBox->setFixedWidth(40);
    auto* scaleLabel = new QLabel("Cross Hair Scale");
    scaleLabel->setBuddy(scaleBox);
    auto* scaleLine = new QHBoxLayout;
    scaleLine->setSpacing(2);
    scaleLine->addWidget(scaleLabel);
    scaleLine->addStretch(1);
    scaleLine->addWidget(ctx.binder.button(comm.minus(scale), true));
    scaleLine->addWidget(scaleBox);
    scaleLine->addWidget(ctx.binder.button(comm.plus(scale), true));
    grid->addLayout(scaleLine, row++, 0, 1, 4);

    grid->addWidget(buildColourRow(ctx.binder, pages.colourRows, kFirstWeaponColourRow + index, 74), row++, 0, 1,
                    4);
    grid->setRowStretch(row, 1);
    return frame;
}

void addWeaponFrames(TabContext& ctx, QGridLayout* grid, int first, int count) {
    for (int k = 0; k < count; ++k)
        grid->addWidget(buildWeaponFrame(ctx, first + k), k / kColumns, k % kColumns);
    for (int c = 0; c < kColumns; ++c)
        grid->setColumnStretch(c, 1);
}

} // namespace brevane::qt

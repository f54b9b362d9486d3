#include "qt/frames/weapon_priority_frame.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTransform>
#include <QVBoxLayout>

#include "qt/binder.h"
#include "qt/layout_kit.h"
#include "qt/picture_widget.h"
#include "settings/weapon_priority.h"

namespace brevane::qt {

namespace {

// Room for the 12-point text of the selected slot, so that the column keeps its height when the
// selection moves.
constexpr int kSlotHeight = 26;
constexpr int kSlotWidth = 190;

// The move buttons carry pictures rather than captions: a plain arrow pointing the way the weapon
// moves.
QIcon arrowIcon(bool up) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn pointing up; the down arrow is its mirror image.
    QPainterPath arrow;
    arrow.moveTo(12, 3);
    arrow.lineTo(22, 14);
    arrow.lineTo(16, 14);
    arrow.lineTo(16, 21);
    arrow.lineTo(8, 21);
    arrow.lineTo(8, 14);
    arrow.lineTo(2, 14);
    arrow.closeSubpath();
    if (!up) arrow = QTransform(1, 0, 0, -1, 0, 24).map(arrow);
    painter.fillPath(arrow, QColor(64, 64, 160));
    painter.setPen(QPen(QColor(24, 24, 80), 1));
    painter.drawPath(arrow);
    return QIcon(pixmap);
}

QLabel* heading(QLabel* label, QColor colour) {
    QFont font = label->font();
    font.setPointSizeF(11);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QPushButton* moveButton(Binder& binder, tk::CommandButton& model, bool up) {
    QPushButton* button = binder.button(model);
    button->setIcon(arrowIcon(up));
    button->setIconSize(QSize(24, 24));
    button->setFixedSize(40, 40);
    button->setToolTip(up ? "Move the selected weapon up" : "Move the selected weapon down");
    return button;
}

} // namespace

QGroupBox* buildWeaponPriorityFrame(WeaponPriority& page, Binder& binder) {
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("", grid);
    grid->setContentsMargins(12, 8, 12, 10);
    grid->setHorizontalSpacing(36);

    // The list: its heading, then slot 16 at the top down to slot 0.
    auto* list = new QGridLayout;
    list->setHorizontalSpacing(6);
    list->setVerticalSpacing(4);
    list->addWidget(heading(binder.label(page.lbl_Movement[0]), QColor(0, 0, 128)), 0, 0, 1, 3, Qt::AlignLeft);
    for (int slot = WeaponPriority::kSlots - 1; slot >= 0; --slot) {
        const int row = WeaponPriority::kSlots - slot;
        QLabel* number = binder.label(page.lbl_WeaponPriority[slot]);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setMinimumWidth(18);
        list->addWidget(number, row, 0);
        QLineEdit* box = binder.textBox(page.tbx_WeaponPriority[slot]);
        box->setFixedSize(kSlotWidth, kSlotHeight);
        box->setAlignment(Qt::AlignCenter);
        list->addWidget(box, row, 1);
    }
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(moveButton(binder, page.b_WeaponMove[0], true));
    buttons->addWidget(moveButton(binder, page.b_WeaponMove[1], false));
    buttons->addStretch(1);
    list->addLayout(buttons, 1, 2, WeaponPriority::kSlots, 1);
    list->setRowStretch(WeaponPriority::kSlots + 1, 1);
    grid->addLayout(list, 0, 0, Qt::AlignTop);

    // The weapon: heading, large and small picture side by side, the description below.
    auto* info = new QGridLayout;
    info->setHorizontalSpacing(12);
    info->setVerticalSpacing(8);
    info->addWidget(heading(binder.label(page.lbl_Movement[1]), QColor(128, 0, 0)), 0, 0, 1, 2, Qt::AlignLeft);
    PictureWidget* big = binder.picture(page.pic_WeaponPriorityBig);
    big->setFixedSize(300, 225);
    big->setFrameShape(QFrame::StyledPanel);
    info->addWidget(big, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    PictureWidget* small = binder.picture(page.pic_WeaponPrioritySmall);
    small->setFixedSize(100, 75);
    small->setFrameShape(QFrame::StyledPanel);
    info->addWidget(small, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    QLabel* description = binder.label(page.lbl_WeaponInfo);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    info->addWidget(description, 2, 0, 1, 2);
    info->setColumnStretch(1, 1);
    info->setRowStretch(2, 1);
    grid->addLayout(info, 0, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

} // namespace brevane::qt

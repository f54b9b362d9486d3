#include "qt/frames/audio_frames.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/numeric_row.h"
#include "qt/layout_kit.h"
#include "qt/qt_text.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {
/// Each label column is a caption, a box and two buttons wide; a gap column separates the two.
constexpr int kColumnWidth = 4;
constexpr int kRightColumn = kColumnWidth + 1;
} // namespace

QGroupBox* buildAudioSystemFrame(TabContext& ctx) {
    AudioOptions& audio = ctx.ini.pages.audioOptions;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Audio System", grid);
    const int switchesPerColumn = static_cast<int>(audio.c_Audio.members().size() + 1) / 2;
    for (const auto& [index, box] : audio.c_Audio.members()) {
        const bool left = index < switchesPerColumn;
        grid->addWidget(ctx.binder.checkBox(*box), left ? index : index - switchesPerColumn,
                        left ? 0 : kRightColumn, 1, kColumnWidth);
    }
    for (int index = AudioOptions::kFirstNumber; index <= AudioOptions::kLastNumber; ++index) {
        const bool left = index <= AudioOptions::kLastLeftNumber;
        const int first = left ? AudioOptions::kFirstNumber : AudioOptions::kLastLeftNumber + 1;
        addNumericRow(grid, switchesPerColumn + index - first, left ? 0 : kRightColumn, ctx.binder,
                      toQt(audio.captionOf(audio.numbers.box(index))), audio.numbers, index);
    }
    grid->setColumnMinimumWidth(kColumnWidth, 14);
    // Spare width goes behind the buttons, so each caption stays beside its box.
    grid->setColumnStretch(kRightColumn + kColumnWidth, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return frame;
}

QGroupBox* buildMouseFrame(TabContext& ctx) {
    MouseOptions& mouse = ctx.ini.pages.mouseOptions;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("Mouse", grid);
    grid->addWidget(ctx.binder.checkBox(mouse.invertMouse), 0, 0, 1, kColumnWidth);
    grid->addWidget(ctx.binder.checkBox(mouse.alwaysMouseLook), 1, 0, 1, kColumnWidth);
    for (int index = 0; index <= MouseOptions::kLastNumber; ++index)
        addNumericRow(grid, 2 + index, 0, ctx.binder, toQt(mouse.captionOf(mouse.numbers.box(index))),
                      mouse.numbers, index);
    grid->setColumnStretch(kColumnWidth, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return frame;
}

} // namespace brevane::qt

#include "qt/frames/switch_frames.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <vector>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/settings_rows.h"
#include "qt/layout_kit.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {
// c_Hud members of the right-hand column, top down under each heading.
constexpr int kForceFeedback[] = {24, 23, 22, 21, 25};
constexpr int kViews[] = {18, 17, 16, 15};
constexpr int kNetStats[] = {20, 19};
constexpr int kGridRows = 5;
} // namespace

QGroupBox* buildSwitchColumnFrame(TabContext& ctx) {
    Switches& s = ctx.ini.pages.switches;
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("", grid);
    int row = 0;
    auto group = [&](const char* heading, const int* first, const int* last) {
        QLabel* label = sectionHeading(heading);
        if (row > 0) label->setContentsMargins(0, 8, 0, 0);
        grid->addWidget(label, row++, 0);
        for (const int* index = first; index != last; ++index)
            grid->addWidget(ctx.binder.checkBox(s.c_Hud[*index]), row++, 0);
    };
    group("F O R C E   F E E D B A C K", std::begin(kForceFeedback), std::end(kForceFeedback));
    group("V I E W S", std::begin(kViews), std::end(kViews));
    group("N E T / S T A T S", std::begin(kNetStats), std::end(kNetStats));
    grid->setRowStretch(row, 1);
    return frame;
}

QGroupBox* buildSwitchGridFrame(TabContext& ctx) {
    Switches& s = ctx.ini.pages.switches;
    std::vector<tk::CheckBox*> boxes;
    for (const auto& [index, box] : s.c_Comm.members())
        boxes.push_back(box.get());
    for (int index = 0; index <= 14; ++index)
        boxes.push_back(&s.c_Hud[index]);
    QGridLayout* grid = nullptr;
    QGroupBox* frame = makeFrame("", grid);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    // Column by column, in table order.
    for (std::size_t i = 0; i < boxes.size(); ++i)
        grid->addWidget(ctx.binder.checkBox(*boxes[i]), int(i) % kGridRows, int(i) / kGridRows);
    return frame;
}

} // namespace brevane::qt

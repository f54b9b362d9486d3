#include "qt/frames/comm_number_frames.h"

#include <QGridLayout>

#include "app/ini.h"
#include "qt/binder.h"
#include "qt/frames/bind_frames.h"
#include "qt/frames/numeric_row.h"
#include "qt/qt_text.h"
#include "qt/tabs/tab_context.h"

namespace brevane::qt {

namespace {

/// The last box that stands under the communication heading; the HUD numbers follow it.
constexpr int kLastCommunicationNumber = 3;

/// The rows go under the column's bind rows: the caption below the bind captions, the box below the
/// K E Y 1 boxes and its two buttons below the K E Y 2 boxes. A small gap sets them apart.
void addRows(TabContext& ctx, BindColumn& column, int first, int last) {
    CommNumbers& comm = ctx.ini.pages.commNumbers;
    column.grid->setRowMinimumHeight(column.nextRow++, 8);
    for (int index = first; index <= last; ++index)
        addNumericRowBesideBindBoxes(column.grid, column.nextRow++, ctx.binder,
                                     toQt(comm.captionOf(comm.numbers.box(index))), comm.numbers, index);
}

} // namespace

void addCommunicationNumbers(TabContext& ctx, BindColumn& column) {
    addRows(ctx, column, 0, kLastCommunicationNumber);
}

void addHudNumbers(TabContext& ctx, BindColumn& column) {
    addRows(ctx, column, kLastCommunicationNumber + 1, CommNumbers::kLastHudNumber);
}

void addNetworkNumbers(TabContext& ctx, BindColumn& column) {
    addRows(ctx, column, CommNumbers::kLastHudNumber + 1, CommNumbers::kLastNumber);
}

} // namespace brevane::qt

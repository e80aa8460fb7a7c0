#include "documents/grid_columns.h"

#include <QHeaderView>
#include <QTableWidget>
#include <cmath>

#include "platform/twips.h"

namespace rillo {

std::vector<int> GridColumnWidthsTwips(int gridWidthTwips, int columnCount) {
    if (columnCount <= 0) return {};
    const int available = gridWidthTwips - kScrollBarAllowanceTwips;
    const double share = static_cast<double>(available) / columnCount;
    std::vector<int> widths(static_cast<size_t>(columnCount), kMinimumColumnTwips);
    if (share <= kMinimumColumnTwips) return widths;
    // The remainder is taken of a non-negative width here, so it is never negative.
    const int remainder = available % columnCount;
    for (int i = 0; i < columnCount; ++i) {
        // nearbyint rounds halves to even in the default rounding mode.
        widths[static_cast<size_t>(i)] =
            static_cast<int>(std::nearbyint(i < remainder ? share : share - 1.0));
    }
    return widths;
}

void SizeGridColumns(QTableWidget& grid, int columnCount) {
    const int count = std::min(columnCount, grid.columnCount());
    const std::vector<int> widths = GridColumnWidthsTwips(PixelsToTwips(grid.width()), count);
    for (int col = 0; col < count; ++col) {
        // Whole pixels that never exceed the column's twips, so the columns
        // fit beside the scroll bar as the rule intends.
        grid.setColumnWidth(col, widths[static_cast<size_t>(col)] / kTwipsPerPixel);
        if (QTableWidgetItem* heading = grid.horizontalHeaderItem(col)) {
            heading->setTextAlignment(Qt::AlignCenter);
        }
        for (int row = 0; row < grid.rowCount(); ++row) {
            if (QTableWidgetItem* cell = grid.item(row, col)) cell->setTextAlignment(Qt::AlignCenter);
        }
    }
}

}  // namespace rillo

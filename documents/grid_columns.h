#pragma once

#include <vector>

class QTableWidget;

namespace rillo {

// The narrowest a table column is made, in twips.
inline constexpr int kMinimumColumnTwips = 797;
// What the column rule keeps aside for the vertical scroll bar, in twips.
inline constexpr int kScrollBarAllowanceTwips = 257;

// The widths, in twips, that share a grid of `gridWidthTwips` among
// `columnCount` columns: the width left beside the scroll bar split evenly
// (the first columns taking the rounding remainder), or every column at the
// minimum when an even share would be narrower.
std::vector<int> GridColumnWidthsTwips(int gridWidthTwips, int columnCount);

// Sets the widths of the grid's first `columnCount` columns by that rule and
// centres their cells and headings.
void SizeGridColumns(QTableWidget& grid, int columnCount);

}  // namespace rillo

#include <gtest/gtest.h>

#include <QHeaderView>
#include <numeric>

#include "documents/frm_main_grid.h"
#include "documents/grid_columns.h"

namespace rillo {
namespace {

struct WidthCase {
    int gridTwips;
    int columns;
    std::vector<int> expected;
};

class GridColumnWidthsTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(GridColumnWidthsTest, SharesTheWidthBesideTheScrollBar) {
    const WidthCase& c = GetParam();
    EXPECT_EQ(GridColumnWidthsTwips(c.gridTwips, c.columns), c.expected);
}

std::vector<int> Repeat(int count, int value) { return std::vector<int>(static_cast<size_t>(count), value); }

std::vector<int> Split(int first, int firstCount, int rest, int total) {
    std::vector<int> widths = Repeat(firstCount, first);
    widths.resize(static_cast<size_t>(total), rest);
    return widths;
}

INSTANTIATE_TEST_SUITE_P(
    Widths, GridColumnWidthsTest,
    ::testing::Values(
        // 9135 - 257 = 8878 = 11 * 807 + 1: one column of 807.09 -> 807, ten of 806.09 -> 806.
        WidthCase{9135, 11, Split(807, 1, 806, 11)},
        // 9057 - 257 = 8800 = 11 * 800: an even share, no remainder, each w - 1 = 799.
        WidthCase{9057, 11, Repeat(11, 799)},
        // Exactly 797 a column is not more than the minimum: every column 797.
        WidthCase{257 + 11 * 797, 11, Repeat(11, 797)},
        // A narrow grid keeps the minimum and scrolls.
        WidthCase{3000, 11, Repeat(11, 797)}, WidthCase{0, 11, Repeat(11, 797)},
        // Halves round to even. 4259 - 257 = 4002 = 4 * 1000.5, remainder 2: 1000.5 -> 1000, 999.5 -> 1000.
        WidthCase{4259, 4, {1000, 1000, 1000, 1000}},
        // 4263 - 257 = 4006 = 4 * 1001.5, remainder 2: 1001.5 -> 1002, 1000.5 -> 1000.
        WidthCase{4263, 4, {1002, 1002, 1000, 1000}}));

TEST(GridColumnWidthsTest, NoColumnsGiveNoWidths) { EXPECT_TRUE(GridColumnWidthsTwips(9000, 0).empty()); }

class FrmMainGridTest : public ::testing::Test {
protected:
    UnitSystem units = UnitSystem::English;
    FrmMainGrid grid{[this] { return units; }};
};

TEST_F(FrmMainGridTest, HasOneHundredRowsOfElevenColumnsWithTwoHeadingRows) {
    EXPECT_EQ(grid.grdFlowData->rowCount(), 100);
    EXPECT_EQ(grid.grdFlowData->columnCount(), 11);
    EXPECT_EQ(grid.objectName(), "frmMainGrid");
    EXPECT_EQ(grid.windowTitle(), "Water Surface Profile Data");
    EXPECT_EQ(grid.grdFlowData->objectName(), "grdFlowData");
    EXPECT_EQ(grid.picGridBack->objectName(), "picGridBack");
    grid.WriteGridHeadings();
    EXPECT_EQ(grid.CellText(0, 9), "Hydraulic");
    EXPECT_EQ(grid.CellText(1, 9), "Radius, ft");
    EXPECT_EQ(grid.grdFlowData->horizontalHeaderItem(9)->text(), "Hydraulic\nRadius, ft");
    EXPECT_EQ(grid.grdFlowData->item(5, 3)->textAlignment(), Qt::AlignCenter);
}

TEST_F(FrmMainGridTest, ClearingEmptiesTheDataRowsOnly) {
    grid.WriteGridHeadings();
    grid.SetCellText(2, 0, "0+00.000");
    grid.SetCellText(99, 10, "17.610");
    grid.ClearProfileTable();
    EXPECT_EQ(grid.CellText(2, 0), "");
    EXPECT_EQ(grid.CellText(99, 10), "");
    EXPECT_EQ(grid.CellText(0, 0), "Station");
    EXPECT_EQ(grid.CellText(1, 10), "Per, ft");
    EXPECT_EQ(grid.grdFlowData->rowCount(), 100);
}

TEST_F(FrmMainGridTest, HeadingsFollowTheUnitsAndLeaveTheDataAlone) {
    grid.SetCellText(2, 2, "1.878");
    units = UnitSystem::SI;
    grid.WriteGridHeadings();
    EXPECT_EQ(grid.CellText(1, 2), "m") << "not \"Energy, m\"";
    EXPECT_EQ(grid.CellText(1, 6), "m^3");
    EXPECT_EQ(grid.CellText(2, 2), "1.878");
}

TEST_F(FrmMainGridTest, ResizingSpreadsTheColumnsAndANarrowViewKeepsTheGridWidth) {
    grid.show();  // a hidden widget hears of its resizing only when shown
    grid.resize(617, 402);
    const int wide = grid.grdFlowData->width();
    EXPECT_EQ(wide, grid.picGridBack->width());
    EXPECT_EQ(grid.grdFlowData->height(), 402);
    const std::vector<int> twips = GridColumnWidthsTwips(wide * 15, 11);
    for (int col = 0; col < 11; ++col) EXPECT_EQ(grid.grdFlowData->columnWidth(col), twips[col] / 15);

    grid.resize(183, 300);  // 2745 twips: the grid keeps its width, the height follows
    EXPECT_EQ(grid.grdFlowData->width(), wide);
    EXPECT_EQ(grid.grdFlowData->height(), 300);

    grid.resize(300, 300);  // narrower than 11 minimum columns: every column 797 twips
    for (int col = 0; col < 11; ++col) EXPECT_EQ(grid.grdFlowData->columnWidth(col), 797 / 15);
    int total = 0;
    for (int col = 0; col < 11; ++col) total += grid.grdFlowData->columnWidth(col);
    EXPECT_GT(total, grid.grdFlowData->viewport()->width()) << "the table scrolls sideways";
}

}  // namespace
}  // namespace rillo

#include "documents/window_layout.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "tests/support/fake_platform_services.h"

namespace rillo {
namespace {

using testing::FakePlatformServices;

struct PlacementCase {
    const char* stored;  // nullptr: no key
    int expected;
};

class ReadPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ReadPlacementTest, ReadsNumbersAndFallsBackOnAnythingElse) {
    FakePlatformServices services;
    if (GetParam().stored) services.settings["Dlgs/MDIL"] = GetParam().stored;
    EXPECT_EQ(ReadPlacementTwips(services, "MDIL", 10), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadPlacementTest,
                         ::testing::Values(PlacementCase{nullptr, 10}, PlacementCase{"1800", 1800},
                                           PlacementCase{"-450", -450}, PlacementCase{" 300 ", 300},
                                           PlacementCase{"150.6", 151}, PlacementCase{"", 10},
                                           PlacementCase{"abc", 10}, PlacementCase{"12px", 10},
                                           PlacementCase{"1e300", 10}, PlacementCase{"1e400", 10},
                                           PlacementCase{"nan", 10}));

TEST(ApplyWindowLayoutTest, EachViewReadsItsOwnKeys) {
    FakePlatformServices services;
    services.settings["Dlgs/InputsL"] = "150";
    services.settings["Dlgs/InputsT"] = "300";
    services.settings["Dlgs/OutputsL"] = "45";
    services.settings["Dlgs/GridW"] = "7500";

    QWidget inputs, results, grid, other;
    grid.resize(10, 10);
    other.move(7, 7);
    ApplyWindowLayout(inputs, "frmMainInputs", services, 0);
    ApplyWindowLayout(results, "frmMainResults", services, 0);
    ApplyWindowLayout(grid, "frmMainGrid", services, 4200);
    ApplyWindowLayout(other, "frmCritical", services, 0);

    EXPECT_EQ(inputs.pos(), QPoint(10, 20));
    EXPECT_EQ(results.pos(), QPoint(3, 228));
    EXPECT_EQ(grid.geometry(), QRect(280, 0, 500, 402));
    EXPECT_EQ(other.pos(), QPoint(7, 7));
}

TEST(StoreWindowLayoutTest, EachViewWritesItsOwnKeysInTwips) {
    FakePlatformServices services;
    QWidget grid;
    grid.setGeometry(20, 30, 400, 300);
    StoreWindowLayout(grid, "frmMainGrid", services);
    EXPECT_EQ(services.settings.value("Dlgs/GridL"), "300");
    EXPECT_EQ(services.settings.value("Dlgs/GridT"), "450");
    EXPECT_EQ(services.settings.value("Dlgs/GridW"), "6000");
    EXPECT_EQ(services.settings.value("Dlgs/GridH"), "4500");
    StoreWindowLayout(grid, "frmMainResults", services);
    EXPECT_EQ(services.settings.value("Dlgs/OutputsL"), "300");
    EXPECT_EQ(services.settings.value("Dlgs/OutputsT"), "450");
    EXPECT_EQ(services.settings.size(), 6);
}

}  // namespace
}  // namespace rillo

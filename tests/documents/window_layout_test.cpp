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
    EXPECT_EQ((Setting<int>{"Dlgs", "MDIL", 10}.Read(services)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadPlacementTest,
                         ::testing::Values(PlacementCase{nullptr, 10}, PlacementCase{"1800", 1800},
                                           PlacementCase{"-450", -450}, PlacementCase{" 300 ", 300},
                                           PlacementCase{"150.6", 151}, PlacementCase{"", 10},
                                           PlacementCase{"abc", 10}, PlacementCase{"12px", 10},
                                           PlacementCase{"1e300", 10}, PlacementCase{"1e400", 10},
                                           PlacementCase{"nan", 10}));

// A view of its own size and one the user sizes.
const PlacementSettings kFixedSize{{"Dlgs", "OutputsL", 0}, {"Dlgs", "OutputsT", 3420}, std::nullopt, std::nullopt};
const PlacementSettings kSized{{"Dlgs", "GridL", 0},
                               {"Dlgs", "GridT", 0},
                               Setting<int>{"Dlgs", "GridW", 9255},
                               Setting<int>{"Dlgs", "GridH", 6030}};

TEST(RestorePlacementTest, EachWindowReadsItsOwnKeysAndDefaults) {
    FakePlatformServices services;
    services.settings["Dlgs/OutputsL"] = "45";
    services.settings["Dlgs/GridW"] = "7500";
    services.settings["Dlgs/GridH"] = "1000";  // below a quarter of its default
    QWidget results, grid;
    results.resize(280, 196);
    RestorePlacement(results, kFixedSize, services, {});
    QRect defaults = kSized.DefaultTwips();
    defaults.moveLeft(4200);
    RestorePlacement(grid, StoredPlacement(services, kSized, defaults), {});
    EXPECT_EQ(results.geometry(), QRect(3, 228, 280, 196));
    EXPECT_EQ(grid.geometry(), QRect(280, 0, 500, 402));
}

TEST(StorePlacementTest, EachWindowWritesItsOwnKeysInTwips) {
    FakePlatformServices services;
    QWidget window;
    window.setGeometry(20, 30, 400, 300);
    StorePlacement(window, kSized, services);
    EXPECT_EQ(services.settings.value("Dlgs/GridL"), "300");
    EXPECT_EQ(services.settings.value("Dlgs/GridT"), "450");
    EXPECT_EQ(services.settings.value("Dlgs/GridW"), "6000");
    EXPECT_EQ(services.settings.value("Dlgs/GridH"), "4500");
    StorePlacement(window, kFixedSize, services);
    EXPECT_EQ(services.settings.value("Dlgs/OutputsL"), "300");
    EXPECT_EQ(services.settings.value("Dlgs/OutputsT"), "450");
    EXPECT_EQ(services.settings.size(), 6);
}

}  // namespace
}  // namespace rillo

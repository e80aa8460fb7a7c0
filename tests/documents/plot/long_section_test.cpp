#include "documents/plot/long_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "documents/format/profile_file_reader.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

ProfileDocument Compute(ProfileInputTexts texts, ChannelType shape = ChannelType::Trapezoidal,
                        UnitSystem units = UnitSystem::English) {
    return testing::ComputeSampleDocument(texts, shape, units);
}

ProfileInputTexts WorkedExampleWith(const std::string& slope, const std::string& end = "10+00.000") {
    ProfileInputTexts t = testing::WorkedExampleTexts();
    t.bottomSlope = slope;
    t.endStation = end;
    return t;
}

std::string Names(const LongSection& s) {
    std::string names;
    for (const SectionLine& line : s.lines) names += (names.empty() ? "" : ", ") + line.name;
    return names;
}

const SectionLine* LineOf(const LongSection& s, SectionLineKind kind) {
    for (const SectionLine& line : s.lines)
        if (line.kind == kind) return &line;
    return nullptr;
}

// One row per kind of profile: the lines drawn, the class, where the control
// and the arrow sit, and the mark of a profile that ends early.
TEST(LongSection, LinesLabelsControlAndEndOfEachKindOfProfile) {
    const struct {
        const char* name;
        ProfileDocument document;
        std::string lines, profileClass, stationTitle;
        double control;
        std::string controlLabel, earlyEnd;
    } cases[] = {
        {"worked example", Compute(testing::WorkedExampleTexts()),
         "Bed, Water surface, Energy line, Normal depth, Critical depth", "mild, M-2", "Station, ft", 1000.0,
         "Control depth 1.329 ft", ""},
        {"steep", Compute(testing::SampleTexts(ChannelType::Trapezoidal, true)),
         "Bed, Water surface, Energy line, Normal depth, Critical depth", "steep, S-2", "Station, ft", 0.0,
         "", "profile ends at "},
        {"circular SI", Compute(testing::SampleTexts(ChannelType::Circular), ChannelType::Circular, UnitSystem::SI),
         "Bed, Water surface, Energy line, Normal depth, Critical depth, Crown", "mild, M-2", "Station, m", 250.0,
         "", ""},
        {"opened file",
         ReadProfileFile(std::filesystem::path(RILLO_TEST_DATA "/../../fuzz/seeds/trapezoid_worked_example.flo").lexically_normal()).document,
         "Bed, Water surface, Energy line, Normal depth, Critical depth", "mild, M-2", "Station, ft", 1000.0,
         "Control depth 1.329 ft", ""},
        {"adverse", Compute(WorkedExampleWith("-0.001")),
         "Bed, Water surface, Energy line, Critical depth", "adverse, A-2", "Station, ft", 1000.0,
         "Control depth 1.329 ft", ""},
        {"ends early", Compute(WorkedExampleWith("0.001", "40+00.000")),
         "Bed, Water surface, Energy line, Normal depth, Critical depth", "mild, M-2", "Station, ft", 4000.0,
         "Control depth 1.329 ft", "profile ends at "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const LongSection s = BuildLongSection(c.document, {});
        EXPECT_EQ(Names(s), c.lines);
        EXPECT_EQ(s.profileClass, c.profileClass);
        EXPECT_EQ(s.stationTitle, c.stationTitle);
        EXPECT_EQ(s.title, c.document.channelName);
        EXPECT_DOUBLE_EQ(s.control.station, c.control);
        EXPECT_DOUBLE_EQ(s.flowArrowStation, c.control) << "the arrow sits at the control section";
        if (!c.controlLabel.empty()) EXPECT_EQ(s.control.label, c.controlLabel);
        EXPECT_DOUBLE_EQ(s.control.surfaceElevation - s.control.bedElevation,
                         ReadWholeNumber(c.document.table.front().cells[kDepthColumn]));
        if (c.earlyEnd.empty()) {
            EXPECT_FALSE(s.earlyEnd.has_value());
        } else {
            ASSERT_TRUE(s.earlyEnd.has_value());
            // Where the last computed row stands, short of the start station.
            std::size_t rows = 0;
            while (rows < c.document.table.size() && !c.document.table[rows].cells[kStationColumn].empty()) ++rows;
            EXPECT_EQ(s.earlyEnd->label, c.earlyEnd + c.document.table[rows - 1].cells[kStationColumn]);
            EXPECT_GT(s.earlyEnd->station, s.startStation + 1.0);
            EXPECT_LT(s.earlyEnd->station, s.endStation - 1.0);
        }
    }
}

// The water surface is the bed plus the shown depth, the energy line lies
// above it by the velocity head; the bed falls from 1 ft at 0+00 to 0 at
// 10+00 (or rises, on an adverse slope); the straight lines keep their depth
// above the bed; the crown is the diameter above it.
TEST(LongSection, EveryPointIsTheBedPlusItsShownValue) {
    const struct {
        ProfileDocument document;
        double bedAtStart, bedAtEnd, normal, critical, crown;
    } cases[] = {
        {Compute(testing::WorkedExampleTexts()), 1.0, 0.0, 1.721, 1.329, 0.0},
        {Compute(WorkedExampleWith("-0.001")), -1.0, 0.0, 0.0, 1.329, 0.0},
        {Compute(testing::SampleTexts(ChannelType::Circular), ChannelType::Circular, UnitSystem::SI), 0.25, 0.0,
         -1.0, -1.0, 2.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document.bottomSlope + " " + c.document.channelName);
        const LongSection s = BuildLongSection(c.document, {});
        const auto bed = [&](double x) {
            return c.bedAtStart + (c.bedAtEnd - c.bedAtStart) * (x - s.startStation) / (s.endStation - s.startStation);
        };
        const SectionLine* surface = LineOf(s, SectionLineKind::WaterSurface);
        const SectionLine* energy = LineOf(s, SectionLineKind::EnergyLine);
        ASSERT_TRUE(surface && energy);
        ASSERT_EQ(surface->points.size(), energy->points.size());
        for (std::size_t r = 0; r < surface->points.size(); ++r) {
            const auto& cells = c.document.table[r].cells;
            EXPECT_EQ(FormatFixed3(surface->points[r].elevation - bed(surface->points[r].station)),
                      cells[kDepthColumn]);
            EXPECT_EQ(FormatFixed3(energy->points[r].elevation - surface->points[r].elevation),
                      FormatFixed3(ReadWholeNumber(cells[kSpecificEnergyColumn]) - ReadWholeNumber(cells[kDepthColumn])));
            EXPECT_NEAR(energy->points[r].elevation - surface->points[r].elevation,
                        ReadWholeNumber(cells[kVelocityHeadColumn]), 0.0011);
        }
        for (const auto& [kind, height] : {std::pair{SectionLineKind::Bed, 0.0},
                                          {SectionLineKind::NormalDepth, c.normal},
                                          {SectionLineKind::CriticalDepth, c.critical},
                                          {SectionLineKind::Crown, c.crown}}) {
            const SectionLine* line = LineOf(s, kind);
            if (!line || height < 0.0) continue;  // -1: a value of the sample not written here
            ASSERT_EQ(line->points.size(), 2u) << line->name;
            EXPECT_NEAR(line->points[0].elevation, bed(s.startStation) + height, 1e-9) << line->name;
            EXPECT_NEAR(line->points[1].elevation, bed(s.endStation) + height, 1e-9) << line->name;
        }
        if (c.crown == 0.0) {
            EXPECT_EQ(LineOf(s, SectionLineKind::Crown), nullptr);
        }
    }
}

TEST(LongSection, TheSetUpMovesTheBedAndHidesLines) {
    const ProfileDocument worked = Compute(testing::WorkedExampleTexts());
    LongSectionSetup setup;
    setup.startBedElevation = " 102.5 ";
    setup.show[static_cast<std::size_t>(SectionLineKind::EnergyLine)] = false;
    setup.show[static_cast<std::size_t>(SectionLineKind::NormalDepth)] = false;
    const LongSection s = BuildLongSection(worked, setup);
    EXPECT_EQ(Names(s), "Bed, Water surface, Critical depth");
    EXPECT_DOUBLE_EQ(s.lines[0].points[0].elevation, 102.5);
    EXPECT_NEAR(s.lines[0].points[1].elevation, 101.5, 1e-9);
    EXPECT_NEAR(s.lowestElevation, 101.5, 1e-9);
    EXPECT_NEAR(s.highestElevation, 102.5 + 1.702, 1e-9) << "the water surface at 0+00";

    for (const char* bad : {"abc", "1e999", "12 ft"}) {
        setup.startBedElevation = bad;
        EXPECT_THROW(BuildLongSection(worked, setup), ComputationError) << bad;
    }
    ProfileDocument reversed = worked;
    std::swap(reversed.startStation, reversed.endStation);
    EXPECT_THROW(BuildLongSection(reversed, {}), ComputationError);
    ProfileDocument broken = worked;
    broken.table[3].cells[kStationColumn] = "nonsense";
    EXPECT_THROW(BuildLongSection(broken, {}), ComputationError);
}

TEST(LongSectionFrame, RoundTicksAndARoundExaggeration) {
    const LongSection worked = BuildLongSection(Compute(testing::WorkedExampleTexts()), {});
    // 600 x 300 units, labels 100 across and 30 up: the reach of 1000 ft at
    // 1.667 ft a unit, the lines 3 ft high in 70% of 300 units: at most
    // 116.7:1, so 100:1 and 5 ft of height, 0.5 ft of it below the bed.
    const LongSectionFrame f = FitLongSectionFrame(worked, 600, 300, 100, 30);
    std::vector<std::string> stations;
    for (const AxisTick& t : f.stationTicks) stations.push_back(t.label);
    EXPECT_EQ(stations, (std::vector<std::string>{"0+00", "2+00", "4+00", "6+00", "8+00", "10+00"}));
    EXPECT_EQ(f.exaggerationLabel, "Vertical exaggeration 100:1");
    EXPECT_NEAR(f.elevationLow, -0.5, 1e-9);
    EXPECT_NEAR(f.elevationHigh, 4.5, 1e-9);
    std::vector<std::string> elevations;
    for (const AxisTick& t : f.elevationTicks) elevations.push_back(t.label);
    EXPECT_EQ(elevations, (std::vector<std::string>{"-0.5", "0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0",
                                                     "3.5", "4.0", "4.5"}));

    // At every size the ticks are whole multiples of a round interval, the
    // lines fit, and the exaggeration is one of the drawing scales.
    for (const auto& [width, height] : {std::pair{300.0, 150.0}, {400.0, 300.0}, {1900.0, 900.0}, {5000.0, 40.0}}) {
        SCOPED_TRACE(width);
        const LongSectionFrame g = FitLongSectionFrame(worked, width, height, 70, 25);
        ASSERT_GE(g.stationTicks.size(), 2u);
        const double step = g.stationTicks[1].value - g.stationTicks[0].value;
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
            << step;
        for (const AxisTick& t : g.stationTicks) EXPECT_NEAR(std::remainder(t.value, step), 0.0, 1e-9);
        EXPECT_LE(g.elevationLow, worked.lowestElevation);
        EXPECT_GE(g.elevationHigh, worked.highestElevation);
        EXPECT_NE(g.exaggerationLabel.find(":"), std::string::npos);
    }
    EXPECT_THROW(FitLongSectionFrame(worked, 0, 300, 100, 30), ComputationError);
}

TEST(LongSectionFrame, StationTickLabels) {
    const struct {
        double station, interval;
        const char* label;
    } cases[] = {{200, 100, "2+00"}, {1000, 200, "10+00"}, {2.5, 0.5, "0+02.5"}, {-150, 50, "-1+50"},
                 {0.25, 0.05, "0+00.25"}, {0, 1, "0+00"}, {123400, 20000, "1234+00"}};
    for (const auto& c : cases) EXPECT_EQ(StationTickLabel(c.station, c.interval), c.label) << c.station;
}

}  // namespace
}  // namespace rillo

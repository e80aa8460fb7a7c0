#include <gtest/gtest.h>

#include <string>

#include "documents/format/profile_completeness.h"
#include "documents/format/profile_file_reader.h"
#include "documents/format/profile_file_writer.h"
#include "engine/numeric_text.h"
#include "platform/numeric_field_rules.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

using testing::ComputeSampleDocument;
using testing::SampleTexts;

struct RoundTripCase {
    const char* name;
    ChannelType shape;
    UnitSystem units;
    bool steep;
};

class ProfileFileRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProfileFileRoundTripTest, OpeningASavedFileGivesBackItsTexts) {
    const RoundTripCase c = GetParam();
    const ProfileDocument saved = ComputeSampleDocument(SampleTexts(c.shape, c.steep), c.shape, c.units);
    ASSERT_TRUE(ProfileIsComplete(saved));
    ASSERT_EQ(saved.summary.flowType, c.steep ? "supercritical" : "subcritical");

    ProfileReadResult r = ReadProfileText(ProfileFileText(saved));
    ASSERT_TRUE(r.ok()) << r.reason;
    const ProfileDocument& opened = r.document;
    EXPECT_EQ(opened.channelType, c.shape);
    EXPECT_EQ(opened.unitSystem, c.units);
    EXPECT_EQ(opened.channelName, saved.channelName);
    EXPECT_EQ(opened.startStation, saved.startStation);
    EXPECT_EQ(opened.endStation, saved.endStation);
    EXPECT_EQ(opened.flowrate, saved.flowrate);
    EXPECT_EQ(opened.widthOrDiameter, saved.widthOrDiameter);
    EXPECT_EQ(opened.manningN, saved.manningN);
    EXPECT_EQ(opened.bottomSlope, saved.bottomSlope);
    EXPECT_EQ(opened.controlDepth, saved.controlDepth);
    EXPECT_EQ(opened.sideSlopeOrHeight, UsesSideInput(c.shape) ? saved.sideSlopeOrHeight : "");
    EXPECT_EQ(opened.summary.normalDepth, saved.summary.normalDepth);
    EXPECT_EQ(opened.summary.normalArea, saved.summary.normalArea);
    EXPECT_EQ(opened.summary.criticalDepth, saved.summary.criticalDepth);
    EXPECT_EQ(opened.summary.criticalArea, saved.summary.criticalArea);
    EXPECT_EQ(opened.summary.flowType, saved.summary.flowType);
    EXPECT_EQ(opened.summary.profileType, "");  // not stored

    ASSERT_EQ(opened.table.size(), saved.table.size());
    for (std::size_t i = 0; i < saved.table.size(); ++i) {
        for (int col = 0; col < kProfileColumnCount; ++col) {
            const std::string expected = col < kFroudeColumn ? saved.table[i].cells[col] : "";
            EXPECT_EQ(opened.table[i].cells[col], expected) << "row " << i << " column " << col;
        }
    }
    // Saving what was opened writes the same file again.
    EXPECT_EQ(ProfileFileText(opened), ProfileFileText(saved));
}

INSTANTIATE_TEST_SUITE_P(
    ShapesAndUnits, ProfileFileRoundTripTest,
    ::testing::Values(RoundTripCase{"TrapezoidEnglish", ChannelType::Trapezoidal, UnitSystem::English, false},
                      RoundTripCase{"TrapezoidSI", ChannelType::Trapezoidal, UnitSystem::SI, false},
                      RoundTripCase{"TrapezoidSteep", ChannelType::Trapezoidal, UnitSystem::English, true},
                      RoundTripCase{"CircularEnglish", ChannelType::Circular, UnitSystem::English, false},
                      RoundTripCase{"CircularSI", ChannelType::Circular, UnitSystem::SI, false},
                      RoundTripCase{"CircularSteep", ChannelType::Circular, UnitSystem::SI, true},
                      RoundTripCase{"UShapedEnglish", ChannelType::UShaped, UnitSystem::English, false},
                      RoundTripCase{"UShapedSI", ChannelType::UShaped, UnitSystem::SI, false},
                      RoundTripCase{"UShapedSteep", ChannelType::UShaped, UnitSystem::English, true},
                      RoundTripCase{"ElongatedEnglish", ChannelType::ElongatedCircular, UnitSystem::English,
                                    false},
                      RoundTripCase{"ElongatedSI", ChannelType::ElongatedCircular, UnitSystem::SI, false},
                      RoundTripCase{"ElongatedSteep", ChannelType::ElongatedCircular, UnitSystem::SI, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileFileRoundTripTest, LongMildReachThatStopsShortKeepsItsStations) {
    ProfileInputTexts texts = testing::WorkedExampleTexts();
    texts.endStation = "60+00.000";
    const ProfileDocument saved = ComputeSampleDocument(texts, ChannelType::Trapezoidal, UnitSystem::English);
    ASSERT_NE(saved.table.back().cells[kStationColumn], "0+00.000");  // the depth range ran out first
    ProfileReadResult r = ReadProfileText(ProfileFileText(saved));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.startStation, "0+00.000");
    EXPECT_EQ(r.document.endStation, "60+00.000");
}

TEST(ProfileFileRoundTripTest, NamesOutsideAsciiAreWrittenAsUtf8AndReadBack) {
    ProfileDocument saved =
        ComputeSampleDocument(testing::WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    saved.channelName = "Canal de l\u00E9vis \u2013 \u6C34\u8DEF";
    std::string text = ProfileFileText(saved);
    EXPECT_NE(text.find("Canal de l\xC3\xA9vis"), std::string::npos);
    ProfileReadResult r = ReadProfileText(text);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.document.channelName, saved.channelName);
}

// Every text a numeric field accepts, numbers still being typed included,
// built from signs, mantissas, exponents and surrounding blanks.
std::vector<std::string> AcceptedFieldTexts() {
    std::vector<std::string> texts;
    for (const char* sign : {"", "-", "+"}) {
        for (const char* mantissa : {"", "0", "7", "100", ".", ".5", "2.", "0.013", "12345678", "3.4"}) {
            for (const char* exponent : {"", "E", "e", "E-", "e+", "E5", "e-3", "E38", "E-50"}) {
                for (const char* blanks : {"", " ", "\t"}) {
                    const std::string text = blanks + std::string(sign) + mantissa + exponent + blanks;
                    if (!text.empty() && IsAcceptableNumericText(QString::fromStdString(text)))
                        texts.push_back(text);
                }
            }
        }
    }
    return texts;
}

// Whatever a field holds, Save writes a file that Open reads back, and the
// field then shows the shortest text of the number Compute read from it.
TEST(ProfileFileRoundTripTest, EveryAcceptedFieldTextOpensAsTheNumberComputeRead) {
    const std::vector<std::string> texts = AcceptedFieldTexts();
    ASSERT_GT(texts.size(), 300u);
    for (ChannelType shape : {ChannelType::Trapezoidal, ChannelType::Circular}) {
        const ProfileDocument computed =
            ComputeSampleDocument(SampleTexts(shape), shape, UnitSystem::English);
        for (const std::string& text : texts) {
            ProfileDocument saved = computed;
            for (std::string* field : {&saved.flowrate, &saved.widthOrDiameter, &saved.manningN,
                                       &saved.bottomSlope, &saved.controlDepth, &saved.sideSlopeOrHeight}) {
                *field = text;
            }
            ASSERT_TRUE(ProfileIsComplete(saved));
            const ProfileReadResult r = ReadProfileText(ProfileFileText(saved));
            ASSERT_TRUE(r.ok()) << "\"" << text << "\": " << r.reason;
            const float read = ReadLeadingSingle(text) + 0.0f;  // -0 reads as 0: no "-0.000"
            const std::string shortest = ShortestNumber(read);
            EXPECT_EQ(r.document.flowrate, shortest) << text;
            EXPECT_EQ(r.document.widthOrDiameter, shortest) << text;
            EXPECT_EQ(r.document.manningN, shortest) << text;
            EXPECT_EQ(r.document.bottomSlope, shortest) << text;
            EXPECT_EQ(r.document.controlDepth, shape == ChannelType::Circular ? FormatFixed3(read) : shortest)
                << text;
            EXPECT_EQ(r.document.sideSlopeOrHeight, shape == ChannelType::Circular ? "" : shortest) << text;
            EXPECT_EQ(r.document.table.size(), saved.table.size());
        }
    }
}

struct CompletenessCase {
    const char* name;
    void (*change)(ProfileDocument&);
    bool complete;
};

class ProfileIsCompleteTest : public ::testing::TestWithParam<CompletenessCase> {};

TEST_P(ProfileIsCompleteTest, NeedsTheRequiredInputsAndAComputedFirstRow) {
    ProfileDocument d =
        ComputeSampleDocument(testing::WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
    GetParam().change(d);
    EXPECT_EQ(ProfileIsComplete(d), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ProfileIsCompleteTest,
    ::testing::Values(
        CompletenessCase{"Computed", [](ProfileDocument&) {}, true},
        CompletenessCase{"NoStart", [](ProfileDocument& d) { d.startStation.clear(); }, false},
        CompletenessCase{"NoEnd", [](ProfileDocument& d) { d.endStation.clear(); }, false},
        CompletenessCase{"NoFlow", [](ProfileDocument& d) { d.flowrate.clear(); }, false},
        CompletenessCase{"NoWidth", [](ProfileDocument& d) { d.widthOrDiameter.clear(); }, false},
        CompletenessCase{"NoN", [](ProfileDocument& d) { d.manningN.clear(); }, false},
        CompletenessCase{"NoSlope", [](ProfileDocument& d) { d.bottomSlope.clear(); }, false},
        CompletenessCase{"NoControlDepth", [](ProfileDocument& d) { d.controlDepth.clear(); }, false},
        // The side field is not required: an empty one is saved as "0".
        CompletenessCase{"NoSide", [](ProfileDocument& d) { d.sideSlopeOrHeight.clear(); }, true},
        CompletenessCase{"NoTable", [](ProfileDocument& d) { d.table.clear(); }, false},
        CompletenessCase{"FirstStationEmpty",
                         [](ProfileDocument& d) { d.table.front().cells[kStationColumn].clear(); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace rillo

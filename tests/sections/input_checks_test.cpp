#include <gtest/gtest.h>

#include <cfenv>

#include "engine/float_guard.h"
#include "sections/profile_input_check.h"

namespace rillo {
namespace {

ProfileInputTexts Complete() {
    return {"0+00.000", "10+00.000", "100", "10", "0.013", "0.001", "", "2"};
}

InputCheckResult Check(const ProfileInputTexts& t, ChannelType type = ChannelType::Trapezoidal,
                       bool accepted = false) {
    return CheckProfileInputs(t, type, UnitSystem::English, accepted);
}

struct MissingCase {
    const char* name;
    void (*blank)(ProfileInputTexts&);
    InputField field;
};

class MissingInputs : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingInputs, FocusTheFirstMissingField) {
    ProfileInputTexts t = Complete();
    GetParam().blank(t);
    InputCheckResult r = Check(t, ChannelType::Circular);
    EXPECT_EQ(r.outcome, InputCheckOutcome::MissingInput);
    EXPECT_EQ(r.field, GetParam().field);
    EXPECT_EQ(r.title, "Insufficient Input Data");
    EXPECT_EQ(r.text,
              "You must enter all of the required inputs \r"
              "before Rillo can compute a water surface profile.");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, MissingInputs,
    ::testing::Values(
        MissingCase{"start", [](ProfileInputTexts& t) { t.startStation.clear(); }, InputField::StartStation},
        MissingCase{"end", [](ProfileInputTexts& t) { t.endStation.clear(); }, InputField::EndStation},
        MissingCase{"flowZero", [](ProfileInputTexts& t) { t.flowrate = "0"; }, InputField::Flowrate},
        MissingCase{"flowText", [](ProfileInputTexts& t) { t.flowrate = "abc"; }, InputField::Flowrate},
        MissingCase{"diameter", [](ProfileInputTexts& t) { t.widthOrDiameter.clear(); },
                    InputField::WidthOrDiameter},
        MissingCase{"n", [](ProfileInputTexts& t) { t.manningN.clear(); }, InputField::ManningN},
        // Both missing: the first in order wins.
        MissingCase{"flowAndN",
                    [](ProfileInputTexts& t) {
                        t.manningN.clear();
                        t.flowrate.clear();
                    },
                    InputField::Flowrate}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputChecks, ATrapezoidWithoutWidthIsATriangle) {
    ProfileInputTexts t = Complete();
    t.widthOrDiameter.clear();
    InputCheckResult r = Check(t);
    ASSERT_TRUE(r.ready());
    EXPECT_EQ(r.inputs.widthOrDiameter, 0.0f);
}

TEST(InputChecks, StationsWithoutPlusGiveTheNotationMessageForThatStation) {
    ProfileInputTexts t = Complete();
    t.startStation = "0";
    InputCheckResult r = Check(t);
    EXPECT_EQ(r.outcome, InputCheckOutcome::StationNotation);
    EXPECT_EQ(r.field, InputField::StartStation);
    EXPECT_EQ(r.title, "");
    EXPECT_EQ(r.text.rfind("The start station", 0), 0u);
    t = Complete();
    t.endStation = "1000";
    r = Check(t);
    EXPECT_EQ(r.field, InputField::EndStation);
    EXPECT_EQ(r.text.rfind("The end station", 0), 0u);
}

TEST(InputChecks, EqualStationsEndSilentlyBeforeAnyOtherCheck) {
    ProfileInputTexts t = Complete();
    t.endStation = "0+00.000";
    t.flowrate.clear();
    InputCheckResult r = Check(t);
    EXPECT_EQ(r.outcome, InputCheckOutcome::EqualStations);
    EXPECT_TRUE(r.text.empty());
}

TEST(InputChecks, AStartAfterTheEndIsRefused) {
    ProfileInputTexts t = Complete();
    std::swap(t.startStation, t.endStation);
    InputCheckResult r = Check(t);
    EXPECT_EQ(r.outcome, InputCheckOutcome::StationOrder);
    EXPECT_EQ(r.field, InputField::EndStation);
    EXPECT_EQ(r.title, "Station Error");
    EXPECT_EQ(r.text, "The start station must be less than the end station.");
}

TEST(InputChecks, AStationThatIsNotANumberIsUnreadable) {
    ProfileInputTexts t = Complete();
    // A station outside standard notation gets the notation message, not a guess.
    t.endStation = "1 +00";
    EXPECT_EQ(Check(t).outcome, InputCheckOutcome::StationNotation);
    t.endStation = "10+5";
    EXPECT_EQ(Check(t).outcome, InputCheckOutcome::StationNotation);
    EXPECT_EQ(Check(t).field, InputField::EndStation);
    t = Complete();
    t.flowrate = "1e40";  // past the single-precision range
    EXPECT_EQ(Check(t).outcome, InputCheckOutcome::Unreadable);
}

TEST(InputChecks, ManningsNFromPointFifteenAsksFirst) {
    ProfileInputTexts t = Complete();
    t.manningN = "0.15";
    InputCheckResult r = Check(t);
    EXPECT_EQ(r.outcome, InputCheckOutcome::ManningWarning);
    EXPECT_EQ(r.kind, MessageKind::Warning);
    EXPECT_EQ(r.field, InputField::ManningN);
    EXPECT_EQ(r.title, "Manning's coefficient error");
    EXPECT_EQ(r.text,
              "Manning's roughness coefficient is usually less than 0.15,\r"
              "which is used for a floodplain with trees.  A typical roughness\r"
              "coefficient is 0.014 for unfinished concrete.\r\r"
              "Do you still want Rillo to use the value you entered?");
    InputCheckResult accepted = Check(t, ChannelType::Trapezoidal, true);
    ASSERT_TRUE(accepted.ready());
    EXPECT_EQ(accepted.inputs.manningN, 0.15f);
    t.manningN = "0.1499";
    EXPECT_TRUE(Check(t).ready());
}

TEST(InputChecks, AZeroSlopeIsRefusedAndANegativeOneAccepted) {
    ProfileInputTexts t = Complete();
    t.bottomSlope = "0";
    InputCheckResult r = Check(t);
    EXPECT_EQ(r.outcome, InputCheckOutcome::ZeroSlope);
    EXPECT_EQ(r.field, InputField::BottomSlope);
    EXPECT_EQ(r.title, "Slope Error");
    EXPECT_EQ(r.text,
              "The bottom slope is used in the denominator of the profile calculations, so, it cannot be "
              "zero.\r\rYou can use 0.000001 to closely approximate a horizontal bottom slope.");
    t.bottomSlope = "-0.001";
    EXPECT_TRUE(Check(t).ready());
}

TEST(InputChecks, ReadsTheInputsTheComputationTakes) {
    ProfileInputTexts t = Complete();
    t.controlDepth = "1.5";
    t.sideSlopeOrHeight = "";
    InputCheckResult r = CheckProfileInputs(t, ChannelType::Trapezoidal, UnitSystem::SI, false);
    ASSERT_TRUE(r.ready());
    EXPECT_EQ(r.inputs.reachLength, 1000.0f);
    EXPECT_EQ(r.inputs.flowrate, 100.0f);
    EXPECT_EQ(r.inputs.manningN, 0.013f);
    EXPECT_EQ(r.inputs.controlDepth, 1.5f);
    EXPECT_EQ(r.inputs.unitSystem, UnitSystem::SI);
    EXPECT_EQ(r.inputs.startStation, "0+00.000");
    // A blank side slope is a rectangle, shown as "0".
    EXPECT_TRUE(r.sideFieldShowsZero);
    // Circular and U-shaped channels do not read the side field.
    t.sideSlopeOrHeight = "5";
    InputCheckResult circular = Check(t, ChannelType::Circular);
    EXPECT_EQ(circular.inputs.sideSlopeOrHeight, 0.0f);
    EXPECT_FALSE(circular.sideFieldShowsZero);
    EXPECT_EQ(Check(t, ChannelType::ElongatedCircular).inputs.sideSlopeOrHeight, 5.0f);
}

// A fault flag raised by foreign code (the window system) outside any guard.
TEST(FloatGuardFlags, AStaleFlagOutsideAGuardDoesNotFailAReading) {
    std::feraiseexcept(FE_INVALID);
    EXPECT_FLOAT_EQ(ToSingle(1.5), 1.5f);
    InputCheckResult r = CheckProfileInputs({"0+00.000", "10+00.000", "100", "10", "0.013", "0.001", "", "2"},
                                            ChannelType::Trapezoidal, UnitSystem::English, false);
    EXPECT_TRUE(r.ready()) << r.text;
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace rillo

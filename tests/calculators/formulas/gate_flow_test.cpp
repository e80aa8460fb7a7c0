#include "calculators/formulas/gate_flow.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric_text.h"

namespace rillo {
namespace {

GateInputs Gate(std::string y1, std::string b, std::string a, std::string c = "0.61",
                UnitSystem units = UnitSystem::English) {
    return {units, std::move(y1), std::move(b), std::move(a), std::move(c)};
}

TEST(GateFlow, FlowrateAndVelocity) {
    struct Case {
        GateInputs in;
        const char* flowrate;
        const char* velocity;
    };
    const std::vector<Case> cases = {
        {Gate("5", "4", "1"), "43.784", "10.946"},
        // SI: g = 9.81 (9.806 would give 4.509 and 3.758).
        {Gate("2", "3", "0.4", "0.6", UnitSystem::SI), "4.510", "3.759"},
    };
    for (const Case& c : cases) {
        GateResult r = ComputeGateFlow(c.in);
        ASSERT_TRUE(r.ok()) << c.flowrate;
        EXPECT_EQ(r.flowrate, c.flowrate);
        EXPECT_EQ(r.velocity, c.velocity);
    }
    // The velocity is C (2 g Y1)^(1/2) whatever the width and opening.
    for (const char* width : {"0.5", "7", "123.4"}) {
        GateResult r = ComputeGateFlow(Gate("3", width, "0.25", "0.7"));
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.velocity, FormatFixed3(0.7 * std::sqrt(2 * 32.2 * 3)));
    }
}

TEST(GateFlow, MessagesInTheirOrder) {
    const char* incomplete =
        "All required inputs must be entered before the sluicegate flowrate can be computed.";
    const char* opening = "The gate opening must be less than the upstream depth.";
    struct Case {
        GateInputs in;
        const char* title;
        const char* text;
        FieldId focus;
    };
    const std::vector<Case> cases = {
        {Gate("", "", "", ""), "Incomplete Input", incomplete, GateField::UpstreamDepth},
        {Gate("1", "", "2", "0.61"), "Incomplete Input", incomplete, GateField::Width},
        {Gate("1", "2", "", "0.61"), "Incomplete Input", incomplete, GateField::Opening},
        {Gate("1", "2", "3", ""), "Incomplete Input", incomplete, GateField::Coefficient},
        // A gate at or above the water surface does not touch the flow.
        {Gate("2", "3", "2"), "Input Error", opening, GateField::Opening},
        {Gate("2", "3", "5"), "Input Error", opening, GateField::Opening},
        {Gate("0", "3", "0"), "Input Error", opening, GateField::Opening},
        {Gate(".", "3", "0.5"), "Input Error", opening, GateField::Opening},
    };
    for (const Case& c : cases) {
        GateResult r = ComputeGateFlow(c.in);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.message->title, c.title);
        EXPECT_EQ(r.message->text, c.text);
        EXPECT_EQ(r.message->icon, MessageKind::Information);
        EXPECT_EQ(r.message->focusField, c.focus);
        EXPECT_FALSE(r.message->unknownError);
        EXPECT_EQ(r.flowrate + r.velocity, "");
    }
}

TEST(GateFlow, ZeroWidthOrOpeningIsARunTimeError) {
    for (const GateInputs& in :
         {Gate("2", "0", "0.5"), Gate("2", "3", "0"), Gate("3e38", "3e38", "1")}) {
        GateResult r = ComputeGateFlow(in);
        ASSERT_FALSE(r.ok()) << in.width << " " << in.opening;
        EXPECT_TRUE(r.message->unknownError);
        EXPECT_EQ(r.message->text, "An unknown error has occurred.  Please contact tech support.");
    }
}

}  // namespace
}  // namespace rillo

#include "calculators/formulas/orifice_flow.h"

#include <gtest/gtest.h>

namespace rillo {
namespace {

OrificeInputs Orifice(OrificeShape shape, std::string b, std::string h, std::string c = "0.61",
                      UnitSystem units = UnitSystem::English) {
    return {shape, units, std::move(b), std::move(c), std::move(h)};
}

constexpr auto kCircular = OrificeShape::Circular;
constexpr auto kSquare = OrificeShape::Square;

TEST(OrificeFlow, BothShapesInBothUnitSystems) {
    struct Case {
        OrificeInputs in;
        const char* flowrate;
    };
    const std::vector<Case> cases = {
        // Side 1, head 1, coefficient 1: the square root of 2 x 32.2.
        {Orifice(kSquare, "1", "1", "1"), "8.025"},
        {Orifice(kCircular, "0.5", "4"), "1.922"},
        // SI: g = 9.806 (9.81 would give 2.391).
        {Orifice(kCircular, "0.8", "3", "0.62", UnitSystem::SI), "2.390"},
        {Orifice(kSquare, "0.2", "3", "0.62", UnitSystem::SI), "0.190"},
    };
    for (const Case& c : cases) {
        OrificeResult r = ComputeOrificeFlow(c.in);
        EXPECT_TRUE(r.ok()) << c.flowrate;
        EXPECT_EQ(r.flowrate, c.flowrate);
    }
}

TEST(OrificeFlow, SizeCoefficientAndHeadAreTestedInThatOrder) {
    const std::string coefficientText =
        "Please enter the wier coefficent in the Required Inputs area.\r"
        "A typical weir coefficent is 0.7.\r"
        "The weir coefficent is used to calculate the flowrate\r"
        "through the orifice, and does not effect the head or velocity calculations.";
    struct Case {
        OrificeInputs in;
        const char* title;
        std::string text;
        FieldId focus;
    };
    const std::vector<Case> cases = {
        {Orifice(kCircular, "", "", ""), "Channel Width",
         "Please enter the channel diameter in the Required Inputs area.", OrificeField::Size},
        {Orifice(kSquare, "0", "", ""), "Channel Width",
         "Please enter the channel width in the Required Inputs area.", OrificeField::Size},
        {Orifice(kSquare, "1", "", ""), "Channel Width", coefficientText, OrificeField::Coefficient},
        {Orifice(kCircular, "1", "2", "."), "Channel Width", coefficientText, OrificeField::Coefficient},
        {Orifice(kCircular, "1", "."), "Weir Head", "Please enter the weir head in the Required Inputs area.",
         OrificeField::Head},
        {Orifice(kCircular, "1", "0.0"), "Weir Head",
         "Please enter the weir head in the Required Inputs area.", OrificeField::Head},
    };
    for (const Case& c : cases) {
        OrificeResult r = ComputeOrificeFlow(c.in);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.message->title, c.title);
        EXPECT_EQ(r.message->text, c.text);
        EXPECT_EQ(r.message->icon, MessageKind::Warning);
        EXPECT_EQ(r.message->focusField, c.focus);
        EXPECT_FALSE(r.message->unknownError);
    }
}

TEST(OrificeFlow, RunTimeErrorsGiveTheUnknownError) {
    for (const OrificeInputs& in : {Orifice(kSquare, "3e38", "1"), Orifice(kCircular, "3e38", "1e30")}) {
        OrificeResult r = ComputeOrificeFlow(in);
        ASSERT_FALSE(r.ok()) << in.size << " " << in.head;
        EXPECT_TRUE(r.message->unknownError);
        EXPECT_EQ(r.flowrate, "");
    }
}

}  // namespace
}  // namespace rillo

#include "calculators/formulas/weir_flow.h"

#include <gtest/gtest.h>

namespace rillo {
namespace {

const char* const kDownstreamAbove = "The downstream head must be less than the upstream head.";
const char* const kIncomplete = "All required inputs must be entered before the weir flow can be calculated.";

WeirInputs Weir(WeirShape shape, bool submerged, std::string l, std::string h, std::string c = "0.61",
                std::string h2 = "", UnitSystem units = UnitSystem::English) {
    WeirInputs in;
    in.shape = shape;
    in.submerged = submerged;
    in.units = units;
    in.lengthOrAngle = std::move(l);
    in.head = std::move(h);
    in.coefficient = std::move(c);
    in.downstreamHead = std::move(h2);
    return in;
}

WeirInputs BroadCrested(WeirInputs in) {
    in.broadCrested = true;
    return in;
}

constexpr auto kRect = WeirShape::Rectangular;
constexpr auto kVNotch = WeirShape::Triangular;
constexpr auto kCipolletti = WeirShape::Cipolletti;
constexpr auto kSI = UnitSystem::SI;

// Expected values worked independently from the textbook formulas.
TEST(WeirFlow, EveryShapeOnBothTabs) {
    struct Case {
        WeirInputs in;
        const char* flowrate;
    };
    const std::vector<Case> cases = {
        {Weir(kRect, false, "10", "2"), "92.305"},
        {BroadCrested(Weir(kRect, false, "10", "2")), "53.292"},
        {Weir(kVNotch, false, "90", "1"), "2.611"},
        {Weir(kCipolletti, false, "4", "1.5", "0.63"), "24.768"},
        // SI: g = 9.806 (9.81 would give 33.635 and 19.419).
        {Weir(kRect, false, "10", "1.5", "0.62", "", kSI), "33.628"},
        {BroadCrested(Weir(kRect, false, "10", "1.5", "0.62", "", kSI)), "19.415"},
        {Weir(kVNotch, false, "60", "0.3", "0.58", "", kSI), "0.039"},
        // Submerged: the free flow times Villemonte's (1 - (H2/H)^n)^0.385, n the
        // head's exponent: 3/2 for the rectangle and the Cipolletti, 5/2 for the
        // V-notch (factor 0.928 at H2/H = 0.5; 3/2 would give 0.845 and 12.485).
        {Weir(kRect, true, "10", "2", "0.61", "1"), "78.034"},
        {Weir(kVNotch, true, "90", "2", "0.61", "1"), "13.703"},
        {Weir(kCipolletti, true, "4", "1.5", "0.63", "0.5"), "22.811"},
        // The broad-crested box is ignored on the Submerged tab.
        {BroadCrested(Weir(kRect, true, "10", "2", "0.61", "1")), "78.034"},
        // ... and for the other shapes.
        {BroadCrested(Weir(kCipolletti, false, "4", "1.5", "0.63")), "24.768"},
        // A number being typed reads by the leading-number rule: "." reads 0, "2E" 2.
        {Weir(kRect, false, "10", "2E"), "92.305"},
        {Weir(kRect, false, "10", "."), "0.000"},
        {Weir(kRect, false, "10", "0"), "0.000"},
        {Weir(kRect, true, "10", "2", "0.61", "2"), "0.000"},
        {Weir(kVNotch, false, "179.9", "0"), "0.000"},
        // Still below the angle where the tangent turns: tan(89.9995 deg) = 116074.
        {Weir(kVNotch, false, "179.999", "0.5", "0.61", "", kSI), "29562.951"},
    };
    for (const Case& c : cases) {
        WeirResult r = ComputeWeirFlow(c.in);
        EXPECT_TRUE(r.ok()) << c.flowrate << ": " << (r.message ? r.message->text : "");
        EXPECT_EQ(r.flowrate, c.flowrate);
    }
}

TEST(WeirFlow, MessagesInTheirOrder) {
    struct Case {
        WeirInputs in;
        const char* title;
        const char* text;
        FieldId focus;
    };
    const char* angleText =
        "The V-notch angle must be less than 180°, otherwise the weir width would be infinite.";
    const std::vector<Case> cases = {
        // The angle test comes before the incomplete-input test.
        {Weir(kVNotch, false, "180", ""), "Weir Angle Too Large", angleText, WeirField::Angle},
        // Just under 180 the half-angle, with 3.141593 for pi, passes 90 degrees:
        // its tangent is negative, and so would be the flowrate.
        {Weir(kVNotch, false, "179.99999", "1"), "Weir Angle Too Large", angleText, WeirField::Angle},
        {Weir(kVNotch, true, "179.99998", "1", "0.61", "0.5"), "Weir Angle Too Large", angleText, WeirField::Angle},
        {Weir(kVNotch, true, "400", "1", "", ""), "Weir Angle Too Large", angleText, WeirField::Angle},
        // An empty angle reads 0 and passes the angle test.
        {Weir(kVNotch, false, "", "1"), "Incomplete Input", kIncomplete, WeirField::Angle},
        // Only the V-notch reads the field as an angle.
        {Weir(kRect, false, "200", ""), "Incomplete Input", kIncomplete, WeirField::Head},
        {Weir(kCipolletti, false, "10", "1", ""), "Incomplete Input", kIncomplete, FieldId(WeirField::Coefficient)},
        // The downstream head is required on the Submerged tab only.
        {Weir(kRect, true, "10", "1", "0.61", ""), "Incomplete Input", kIncomplete, WeirField::DownstreamHead},
        // A tailwater above the crest's upstream head drives no flow over the weir.
        {Weir(kRect, true, "10", "0", "0.61", "1"), "Input Error", kDownstreamAbove, WeirField::DownstreamHead},
        {Weir(kCipolletti, true, "4", "1", "0.61", "1.5"), "Input Error", kDownstreamAbove, WeirField::DownstreamHead},
        {Weir(kVNotch, true, "90", "1", "0.61", "1.0001"), "Input Error", kDownstreamAbove, WeirField::DownstreamHead},
    };
    for (const Case& c : cases) {
        WeirResult r = ComputeWeirFlow(c.in);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.message->title, c.title);
        EXPECT_EQ(r.message->text, c.text);
        EXPECT_EQ(r.message->icon, MessageKind::Information);
        EXPECT_EQ(r.message->focusField, c.focus);
        EXPECT_FALSE(r.message->unknownError);
        EXPECT_EQ(r.flowrate, "");
    }
    // A free-flowing weir needs no downstream head.
    EXPECT_TRUE(ComputeWeirFlow(Weir(kRect, false, "10", "1")).ok());
}

TEST(WeirFlow, RunTimeErrorsGiveTheUnknownError) {
    const std::vector<WeirInputs> cases = {
        Weir(kVNotch, true, "90", "0", "0.61", "0"),       // 0 / 0
        Weir(kRect, false, "3e38", "1e10"),                // past the single-precision range
    };
    for (const WeirInputs& in : cases) {
        WeirResult r = ComputeWeirFlow(in);
        ASSERT_FALSE(r.ok()) << in.lengthOrAngle << " " << in.head;
        EXPECT_TRUE(r.message->unknownError);
        EXPECT_EQ(r.message->title, "");
        EXPECT_EQ(r.message->text, "An unknown error has occurred.  Please contact tech support.");
        EXPECT_EQ(r.message->icon, MessageKind::Warning);
        EXPECT_TRUE(r.message->clearsResults);
    }
}

TEST(WeirFlow, ACoefficientAboveOneIsAskedAboutThenUsed) {
    // 3.33 is the English-unit coefficient that already holds 2/3 sqrt(2g).
    for (WeirInputs in : {Weir(kRect, false, "10", "2", "3.33"), Weir(kVNotch, true, "90", "2", "1.01", "1")}) {
        WeirResult asked = ComputeWeirFlow(in);
        ASSERT_FALSE(asked.ok());
        EXPECT_TRUE(asked.message->yesNoCancel);
        EXPECT_EQ(asked.message->title, "Weir Coefficient");
        EXPECT_EQ(asked.message->focusField, FieldId(WeirField::Coefficient));
        in.coefficientAccepted = true;
        EXPECT_TRUE(ComputeWeirFlow(in).ok());
    }
    EXPECT_EQ(ComputeWeirFlow(Weir(kRect, false, "10", "2", "3.33", "", UnitSystem::English)).flowrate, "");
    WeirInputs accepted = Weir(kRect, false, "10", "2", "3.33");
    accepted.coefficientAccepted = true;
    // The free flow scales with the coefficient: 92.305 / 0.61 * 3.33.
    EXPECT_NEAR(std::stod(ComputeWeirFlow(accepted).flowrate), 92.305 / 0.61 * 3.33, 0.01);
    EXPECT_TRUE(ComputeWeirFlow(Weir(kRect, false, "10", "2", "1")).ok()) << "1.0 itself is not asked about";
}

}  // namespace
}  // namespace rillo

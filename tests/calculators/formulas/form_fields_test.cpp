#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calculators/formulas/critical_depth_calculator.h"
#include "calculators/formulas/gate_flow.h"
#include "calculators/formulas/hydraulic_jump.h"
#include "calculators/formulas/manning_calculator.h"
#include "calculators/formulas/orifice_flow.h"
#include "calculators/formulas/weir_flow.h"

namespace rillo {
namespace {

// FieldOf finds a row by its id's place; the options name distinct fields.
template <class Id>
void ExpectRowsInIdOrder() {
    std::set<std::string> options;
    const auto fields = FormFieldsOf(Id{});
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(fields[i].id), i) << fields[i].option;
        options.insert(fields[i].option);
    }
    EXPECT_EQ(options.size(), fields.size());
}

TEST(FormFields, EveryCalculatorTableIsInIdOrder) {
    ExpectRowsInIdOrder<CriticalField>();
    ExpectRowsInIdOrder<ManningField>();
    ExpectRowsInIdOrder<WeirField>();
    ExpectRowsInIdOrder<OrificeField>();
    ExpectRowsInIdOrder<GateField>();
    ExpectRowsInIdOrder<JumpField>();
    EXPECT_TRUE(FieldOf(ManningField::Slope).MinusAllowed());
    EXPECT_FALSE(FieldOf(ManningField::Side).MinusAllowed());
}

// A message of one window never focuses a field of another that sits at the
// same place in its own table.
TEST(FormFields, AFieldIdKnowsItsForm) {
    const FieldId head = WeirField::Head, opening = GateField::Opening;  // both third
    EXPECT_NE(head, opening);
    EXPECT_EQ(head.As<WeirField>(), WeirField::Head);
    EXPECT_EQ(head.As<GateField>(), std::nullopt);
    EXPECT_TRUE(FieldId().empty());
    EXPECT_FALSE(FieldId().As<WeirField>());
    // The weir refuses the V-notch angle under its own id, the length under its.
    const auto angle = ComputeWeirFlow({WeirShape::Triangular, false, false, UnitSystem::English, "x", "1", "0.6", ""});
    const auto length = ComputeWeirFlow({WeirShape::Rectangular, false, false, UnitSystem::English, "x", "1", "0.6", ""});
    ASSERT_TRUE(angle.message && length.message);
    EXPECT_EQ(angle.message->focusField, FieldId(WeirField::Angle));
    EXPECT_EQ(length.message->focusField, FieldId(WeirField::Length));
}

}  // namespace
}  // namespace rillo

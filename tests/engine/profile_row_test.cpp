#include <gtest/gtest.h>

#include "engine/section_formulas.h"
#include "engine/profile_computation.h"

namespace rillo {
namespace {

// A section of fixed values, so that a row can be made to fail where wanted.
class FixedSection final : public SectionFormulas<FixedSection> {
   public:
    FixedSection(float area, double topWidth) : area_(area), topWidth_(topWidth) {}
    float FlowArea(float) const override { return area_; }
    double TopWidth(float) const override { return topWidth_; }
    float WettedPerimeter(float) const override { return 10.0f; }
    double HydraulicRadius(float) const override { return 0.5; }
    double Momentum(float, float, float) const override { return 7.25; }
    float SearchCeiling() const override { return 100.0f; }
    BisectionStop NormalDepthStop() const override { return BisectionStop::Never; }
    std::optional<float> CrownDepth() const override { return std::nullopt; }

   private:
    float area_;
    double topWidth_;
};

struct RowCase {
    const char* what;
    float area;
    double topWidth;
    bool fails;
    std::size_t rows;
    std::array<const char*, kProfileColumnCount> cells;
};

TEST(ProfileRowWriting, WritesEveryCellOrStopsWhereTheFailureIs) {
    const RowCase cases[] = {
        {"a whole row",
         5.0f,
         4.0,
         false,
         1,
         {"1+00.000", "2.000", "2.248", "5.000", "4.000", "4.000", "7.250", "0.630", "0.248", "0.500",
          "10.000"}},
        // The top width is worked out again for its cell, and fails there (5e30f is 4.9999999241216e30).
        {"a top width past the single range",
         5.0e30f,
         1e39,
         true,
         1,
         {"1+00.000", "2.000", "2.000", "4999999924121600000000000000000.000", "0.000", "", "", "", "", "",
          ""}},
        // Q / A with no area: a fault in the row set writes nothing.
        {"no area", 0.0f, 4.0, true, 0, {}},
    };
    for (const RowCase& c : cases) {
        const FixedSection section(c.area, c.topWidth);
        ProfileTable table;
        FloatGuard guard;
        const auto append = [&] { AppendProfileRow(section, 20.0f, 32.2f, guard, "1+00.000", 2.0f, table); };
        if (c.fails) {
            EXPECT_THROW(append(), ComputationError) << c.what;
        } else {
            EXPECT_NO_THROW(append()) << c.what;
        }
        ASSERT_EQ(table.size(), c.rows) << c.what;
        if (c.rows == 0) continue;
        EXPECT_EQ(table[0].depth, 2.0f) << c.what;
        for (std::size_t i = 0; i < c.cells.size(); ++i)
            EXPECT_EQ(table[0].cells[i], c.cells[i]) << c.what << " " << i;
    }
}

}  // namespace
}  // namespace rillo

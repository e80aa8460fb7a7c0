#include "sections/channel_shapes.h"

#include <gtest/gtest.h>

#include "sections/profile_dispatch.h"

namespace rillo {
namespace {

// The words and headings find their shape again, and only as written: the
// command line lowers the word before asking, a file's heading must match
// in case.
TEST(ChannelShapes, WordsAndHeadingsNameTheirShapeOnlyAsWritten) {
    for (const ChannelShape& shape : kChannelShapes) {
        SCOPED_TRACE(std::string(shape.word));
        ASSERT_NE(ShapeWithWord(shape.word), nullptr);
        EXPECT_EQ(ShapeWithWord(shape.word)->type, shape.type);
        ASSERT_NE(ShapeWithHeading(shape.fileHeading), nullptr);
        EXPECT_EQ(ShapeWithHeading(shape.fileHeading)->type, shape.type);
        EXPECT_EQ(&ShapeOf(shape.type), &shape);
    }
    for (const char* other : {"", "Circular", "circular ", "u shaped", "square", "Circular Channel"}) {
        EXPECT_EQ(ShapeWithWord(other), nullptr) << other;
        EXPECT_EQ(ShapeWithHeading(other), nullptr) << other;
    }
    EXPECT_EQ(ShapeWithHeading("circular channel"), nullptr);
    EXPECT_EQ(ShapeWordList(), "trapezoidal, circular, u-shaped or elongated");
}

// A type outside the enum (a corrupted value) is no shape: the profile
// refuses it instead of reading past the table.
TEST(ChannelShapes, AValueOutsideTheEnumIsNoShape) {
    EXPECT_TRUE(IsKnownShape(ChannelType::ElongatedCircular));
    const auto corrupted = static_cast<ChannelType>(kChannelShapes.size());
    EXPECT_FALSE(IsKnownShape(corrupted));
    ProfileInputs in;
    in.channelType = corrupted;
    const ProfileResult r = ComputeProfileFor(in);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(r.failure->title, "Channel Type Unknown");
    EXPECT_TRUE(r.table.empty());
}

}  // namespace
}  // namespace rillo

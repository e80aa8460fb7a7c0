#include "engine/profile_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace rillo {
namespace {

// FieldOf finds a row by its id's place: a row out of order would give one
// input's option, column or text to another.
TEST(ProfileFields, EachRowSitsAtItsIdAndNamesItsOwnText) {
    const auto fields = FormFieldsOf(InputField{});
    ASSERT_EQ(fields.size(), kProfileOptionOrder.size());
    std::set<std::string> options, columns;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(fields[i].id), i);
        EXPECT_EQ(std::string(fields[i].option), std::string("--") + fields[i].column);
        options.insert(fields[i].option);
        columns.insert(fields[i].column);
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(fields[j].text, fields[i].text) << fields[i].option;
    }
    EXPECT_EQ(options.size(), fields.size());
    EXPECT_EQ(columns.size(), fields.size());
    for (InputField id : kProfileOptionOrder)
        EXPECT_EQ(std::count(kProfileOptionOrder.begin(), kProfileOptionOrder.end(), id), 1);
}

TEST(ProfileFields, KeysFollowTheInputsView) {
    const struct {
        InputField id;
        FieldKeys keys;
        bool required;
    } cases[] = {
        {InputField::StartStation, FieldKeys::Station, false},  // the command line gives a default
        {InputField::EndStation, FieldKeys::Station, true},
        {InputField::Flowrate, FieldKeys::PositiveNumber, true},
        {InputField::WidthOrDiameter, FieldKeys::PositiveNumber, false},  // 0 or absent: a triangle
        {InputField::ManningN, FieldKeys::PositiveNumber, true},
        {InputField::BottomSlope, FieldKeys::SignedNumber, true},
        {InputField::ControlDepth, FieldKeys::PositiveNumber, false},
        {InputField::SideSlopeOrHeight, FieldKeys::PositiveNumber, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldOf(c.id).keys, c.keys) << FieldOf(c.id).option;
        EXPECT_EQ(FieldOf(c.id).required, c.required) << FieldOf(c.id).option;
    }
}

}  // namespace
}  // namespace rillo

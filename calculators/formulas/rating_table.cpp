#include "calculators/formulas/rating_table.h"

#include <cmath>
#include <exception>

#include "calculators/formulas/design_quantities.h"
#include "calculators/formulas/manning_calculator.h"
#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "sections/channel_shapes.h"

namespace rillo {

std::span<const FormField<RatingField>> FormFieldsOf(RatingField) {
    static constexpr FormField<RatingField> kFields[] = {
        {RatingField::Width, "--width", FieldKeys::PositiveNumber, true},
        {RatingField::Side, "--side", FieldKeys::PositiveNumber, false},
        {RatingField::Roughness, "--n", FieldKeys::PositiveNumber, true},
        {RatingField::Slope, "--slope", FieldKeys::PositiveNumber, true},
        {RatingField::From, "--from", FieldKeys::PositiveNumber, true},
        {RatingField::To, "--to", FieldKeys::PositiveNumber, true},
        {RatingField::Step, "--step", FieldKeys::PositiveNumber, true},
    };
    return kFields;
}

const char* const kRatingIncompleteInputText =
    "All required inputs must be entered before the rating table can be computed.";

namespace {

constexpr RatingColumn kColumns[kRatingColumnCount] = {
    {"depth", "Depth"},
    {"flow", "Flowrate"},
    {"area", "Area"},
    {"velocity", "Velocity"},
    {"top_width", "Top Width"},
    {"wetted_perimeter", "Wetted Perimeter"},
    {"hydraulic_radius", "Hydraulic Radius"},
    {"froude", "Froude Number"},
    {"specific_energy", "Specific Energy"},
    {"critical_depth", "Critical Depth"},
    {"mean_shear", "Mean Shear"},
    {"max_shear", "Max Shear"},
};

CalculatorMessage Refusal(const char* title, std::string text, RatingField focus) {
    CalculatorMessage message;
    message.title = title;
    message.text = std::move(text);
    message.focusField = focus;
    return message;
}

// The row of one depth or flowrate, from Manning's calculator's results.
RatingRow RowOf(RatingBy by, float value, const ManningResultTexts& r, const DesignQuantityTexts& d) {
    const std::string depth = by == RatingBy::Depth ? FormatFixed3(value) : r.unknown;
    const std::string flow = by == RatingBy::Depth ? r.unknown : FormatFixed3(value);
    return {depth,
            flow,
            r.area,
            r.velocity,
            d.topWidth,
            r.wettedPerimeter,
            r.hydraulicRadius,
            d.froude,
            d.specificEnergy,
            d.criticalDepth,
            d.meanShear,
            d.maxShear};
}

}  // namespace

std::span<const RatingColumn, kRatingColumnCount> RatingColumns() {
    return kColumns;
}

std::vector<std::string> RatingHeadings(UnitSystem units) {
    const bool english = units == UnitSystem::English;
    const std::string length = english ? ", ft" : ", m";
    const std::string shear = std::string(", ") + ShearUnit(units);
    std::vector<std::string> headings;
    for (const RatingColumn& column : kColumns) {
        const std::string key = column.key;
        std::string unit = length;
        if (key == "flow") unit = english ? ", ft^3/s" : ", m^3/s";
        if (key == "area") unit = english ? ", ft^2" : ", m^2";
        if (key == "velocity") unit = english ? ", ft/s" : ", m/s";
        if (key == "froude") unit = "";
        if (key == "mean_shear" || key == "max_shear") unit = shear;
        headings.push_back(column.heading + unit);
    }
    return headings;
}

RatingOutcome ComputeRatingTable(ChannelType shape, UnitSystem units, RatingBy by,
                                 const RatingInputTexts& texts) {
    RatingOutcome outcome;
    const std::string unreadSide;
    outcome.message =
        RefusedFieldText<RatingField>({{RatingField::Width, texts.width},
                                       {RatingField::Side, UsesSideInput(shape) ? texts.side : unreadSide},
                                       {RatingField::Roughness, texts.roughness},
                                       {RatingField::Slope, texts.slope},
                                       {RatingField::From, texts.from},
                                       {RatingField::To, texts.to},
                                       {RatingField::Step, texts.step}});
    if (outcome.message) return outcome;
    for (const auto& [text, field] : {std::pair{&texts.width, RatingField::Width},
                                      {&texts.roughness, RatingField::Roughness},
                                      {&texts.slope, RatingField::Slope},
                                      {&texts.from, RatingField::From},
                                      {&texts.to, RatingField::To},
                                      {&texts.step, RatingField::Step}}) {
        if (text->empty()) {
            outcome.message = Refusal("Incomplete Input", kRatingIncompleteInputText, field);
            return outcome;
        }
    }
    try {
        ManningValues v;
        float from, to, step;
        double fromValue, toValue, stepValue;  // the range is counted out in double precision
        {
            FloatGuard guard;
            v.width = ReadLeadingSingle(texts.width);
            v.side = UsesSideInput(shape) ? ReadLeadingSingle(texts.side) : 0.0f;
            v.roughnessField = ReadLeadingSingle(texts.roughness);
            v.slopeField = ReadLeadingSingle(texts.slope);
            from = ReadLeadingSingle(texts.from);
            to = ReadLeadingSingle(texts.to);
            step = ReadLeadingSingle(texts.step);
            fromValue = ReadLeadingNumber(texts.from);
            toValue = ReadLeadingNumber(texts.to);
            stepValue = ReadLeadingNumber(texts.step);
            guard.Check();
        }
        for (const auto& [value, field] : {std::pair{v.width, RatingField::Width},
                                           {v.roughnessField, RatingField::Roughness},
                                           {v.slopeField, RatingField::Slope},
                                           {from, RatingField::From},
                                           {step, RatingField::Step}}) {
            if (value == 0.0f) {
                outcome.message =
                    Refusal("Invalid Input Value", "Please use an entry other than zero.", field);
                return outcome;
            }
        }
        if (to < from) {
            outcome.message = Refusal(
                "Rating Table", "The last value (To) must not be below the first (From).", RatingField::To);
            return outcome;
        }
        // A last step short by rounding still reaches To.
        const double steps = std::floor((toValue - fromValue) / stepValue * (1.0 + 1e-12) + 1e-9);
        if (steps + 1 > kMaxRatingRows) {
            outcome.message = Refusal("Rating Table",
                                      "These values would make more than 10,000 rows. Use a larger step "
                                      "or a shorter range.",
                                      RatingField::Step);
            return outcome;
        }
        const ManningUnknown unknown =
            by == RatingBy::Depth ? ManningUnknown::Flowrate : ManningUnknown::Depth;
        const int count = static_cast<int>(steps) + 1;
        outcome.rows.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const float value = ToSingle(fromValue + double(i) * stepValue);
            v.flowField = value;
            const ManningOutcome row = SolveManning(unknown, shape, units, v, false);
            if (row.message) {
                outcome.rows.clear();
                outcome.message = *row.message;
                outcome.message->text = "At " +
                                        std::string(by == RatingBy::Depth ? "the depth " : "the flowrate ") +
                                        FormatFixed3(value) + ": " + row.message->text;
                return outcome;
            }
            outcome.rows.push_back(RowOf(by, value, *row.results, *row.design));
        }
    } catch (const std::exception&) {
        outcome.rows.clear();
        outcome.message = UnknownCalculatorError();
    }
    return outcome;
}

}  // namespace rillo

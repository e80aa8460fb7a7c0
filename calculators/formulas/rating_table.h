#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "calculators/formulas/calculator_message.h"
#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

// The Rating Table window's fields.
enum class RatingField { Width, Side, Roughness, Slope, From, To, Step };
std::span<const FormField<RatingField>> FormFieldsOf(RatingField);

// What runs down the table: given depths, or given flowrates with the normal
// depth of each (the lower one in a conduit).
enum class RatingBy { Depth, Flowrate };

struct RatingInputTexts {
    std::string width;      // bottom width of a trapezoid, diameter of the curved shapes
    std::string side;       // side slope or side height; read only for the shapes that show it
    std::string roughness;  // Manning's n
    std::string slope;      // bottom slope
    std::string from, to, step;
};

// The columns, in order: the tsv key and the heading's quantity.
inline constexpr std::size_t kRatingColumnCount = 12;
struct RatingColumn {
    const char* key;      // "top_width"
    const char* heading;  // "Top Width"
};
std::span<const RatingColumn, kRatingColumnCount> RatingColumns();
// The headings with their units: "Depth, ft", "Froude Number", "Mean Shear, lb/ft^2".
std::vector<std::string> RatingHeadings(UnitSystem units);

using RatingRow = std::array<std::string, kRatingColumnCount>;

// Every row, or the message shown instead.
struct RatingOutcome {
    std::vector<RatingRow> rows;
    std::optional<CalculatorMessage> message;
};

inline constexpr int kMaxRatingRows = 10000;

// Compute: checks the fields, then one row per value from From to To (To
// itself when a whole number of steps reaches it) by Step, each row Manning's
// calculator's results for that depth or flowrate, "0.000" or "----".
RatingOutcome ComputeRatingTable(ChannelType shape, UnitSystem units, RatingBy by,
                                 const RatingInputTexts& texts);

extern const char* const kRatingIncompleteInputText;

}  // namespace rillo

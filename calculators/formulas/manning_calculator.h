#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "calculators/formulas/design_quantities.h"
#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

// The quantity Manning's calculator solves for: its tabs, in order.
enum class ManningUnknown { Depth, Flowrate, Slope, Roughness };

// The calculator's fields. On a tab other than Depth the depth option
// (--depth) fills the field of the unknown instead of its own option.
enum class ManningField { Flowrate, Width, Roughness, Side, Slope };
std::span<const FormField<ManningField>> FormFieldsOf(ManningField);
inline constexpr const char* kManningDepthOption = "--depth";

// The calculator's fields, as typed. On each tab the field of the unknown
// holds the given depth instead: the flowrate field on the Flowrate tab, the
// slope field on the Slope tab, the roughness field on the Roughness tab.
struct ManningInputTexts {
    std::string flowField;
    std::string widthField;  // bottom width of a trapezoid, diameter of the curved shapes
    std::string roughnessField;
    std::string sideField;  // side slope or side height; read only for the shapes that show it
    std::string slopeField;
};

// The result captions' texts: the unknown ("0.00000" or more decimals for a
// slope or a roughness, "0.000" otherwise) and the section at the depth concerned, "0.000".
struct ManningResultTexts {
    std::string unknown;
    std::string velocity;
    std::string area;
    std::string wettedPerimeter;
    std::string hydraulicRadius;
};

// Either every result text or the message to show instead; a message leaves
// the results on screen as they were.
struct ManningOutcome {
    std::optional<ManningResultTexts> results;
    // The second group, at the same depth and flowrate; with the results.
    std::optional<DesignQuantityTexts> design;
    std::optional<CalculatorMessage> message;
};

// Labels of the fields and results, by tab, shape and unit system.
struct ManningCaptions {
    std::string unknown;
    std::string flowField;
    std::string widthField;
    std::string roughnessField;
    std::string sideField;  // empty when the side field is hidden
    std::string slopeField;
    std::string velocity;
    std::string area;
    std::string wettedPerimeter;
    std::string hydraulicRadius;
};
ManningCaptions ManningCalculatorCaptions(ManningUnknown unknown, ChannelType shape, UnitSystem units);

// Compute: checks the fields, then solves Manning's equation for the unknown.
// The depth is found by bisection on the normal-flow residual with 100
// halvings, on [0, 100] for the trapezoid and the U-shape, on [0, B] for the
// circle and [0, B + M] for the elongated circle; a conduit whose search
// finds nothing there is searched again up to the depth of its greatest
// capacity (the lower of two depths). A given depth may not be above the
// height of a closed conduit. A slope or roughness found shows at least three significant
// digits, five decimals or more.
ManningOutcome ComputeManning(ManningUnknown unknown, ChannelType shape, UnitSystem units,
                              const ManningInputTexts& texts);

// The calculator's fields as read, each non-zero: the flowrate field (the
// given depth on the Flowrate tab), the width or diameter, the roughness
// field, the side field (0 for the shapes that ignore it) and the slope field.
struct ManningValues {
    float flowField = 0.0f, width = 0.0f, roughnessField = 0.0f, side = 0.0f, slopeField = 0.0f;
};

// Compute after the checks of its fields: every result, or the message.
// `withCapacities` adds a closed conduit's capacities to the design quantities.
ManningOutcome SolveManning(ManningUnknown unknown, ChannelType shape, UnitSystem units,
                            const ManningValues& v, bool withCapacities = true);

extern const char* const kManningIncompleteInputText;

}  // namespace rillo

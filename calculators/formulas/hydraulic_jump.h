#pragma once

#include <optional>
#include <span>
#include <string>

#include "calculators/formulas/calculator_message.h"
#include "calculators/formulas/depth_search.h"
#include "engine/channel_section.h"
#include "engine/channel_type.h"
#include "engine/units.h"

namespace rillo {

// The hydraulic jump calculator's fields, in the window's tab order.
enum class JumpField { Flowrate, UpstreamDepth, Width, Sides };
std::span<const FormField<JumpField>> FormFieldsOf(JumpField);

// The hydraulic jump calculator's fields, as typed.
struct JumpInputTexts {
    std::string flowrate;
    std::string width;          // bottom width of a trapezoid, diameter of the curved shapes
    std::string sides;          // side slope or side height; read only for the shapes that show it
    std::string upstreamDepth;  // the supercritical depth entering the jump
};

// The result captions' texts, in the order the window shows them: numbers
// "0.000", the jump type a word ("steady").
struct JumpResultTexts {
    std::string sequentDepth;
    std::string upstreamFroude;
    std::string downstreamFroude;
    std::string upstreamVelocity;
    std::string downstreamVelocity;
    std::string energyLoss;
    std::string jumpLength;
    std::string jumpType;
};

// What one Compute leaves. Results replace every result caption; a message is
// shown after them. A refused input brings a message alone and leaves the
// results as they were. When a closed conduit would flow full below the jump
// the results hold the upstream side only (the downstream texts are empty) and
// the message says so.
struct JumpOutcome {
    std::optional<JumpResultTexts> results;
    std::optional<CalculatorMessage> message;
};

// The labels of the fields and results, by shape and unit system.
struct JumpCaptions {
    std::string flowrate;
    std::string width;
    std::string sides;  // empty when the side field is hidden
    std::string upstreamDepth;
    std::string sequentDepth;
    std::string upstreamFroude;
    std::string downstreamFroude;
    std::string upstreamVelocity;
    std::string downstreamVelocity;
    std::string energyLoss;
    std::string jumpLength;
    std::string jumpType;
};
JumpCaptions JumpCalculatorCaptions(ChannelType shape, UnitSystem units);

// The sequent depth of `upstreamDepth`: the depth above `criticalDepth` whose
// specific force (Momentum) equals the upstream one, by bisection on
// [criticalDepth, SearchCeiling()] with at most 100 halvings. EndedAtTop()
// means that no depth up to the top of the section reaches that force: a
// closed conduit flows full, an open channel's depth lies above the search.
DepthSearch SolveSequentDepth(const ChannelSection& section, float q, float g, float upstreamDepth,
                              float criticalDepth);

// The energy the jump from y1 to y2 takes: E1 - E2 (specific energies).
float JumpEnergyLoss(const ChannelSection& section, float q, float g, float y1, float y2);

// The length of the jump, estimated as on a horizontal apron: 6.1 times the
// sequent depth (rectangular stilling basins).
float JumpLengthEstimate(float sequentDepth);

// The classification of a jump by its upstream Froude number, 1 or more:
// "undular" below 1.7, "weak" below 2.5, "oscillating" below 4.5, "steady"
// below 9, "strong" from 9.
const char* JumpTypeOfFroude(float upstreamFroude);

// Compute: checks the fields, refuses an upstream depth whose flow is not
// supercritical, then finds the sequent depth and the jump's Froude numbers
// (V / (g A / T)^(1/2)), velocities, energy loss E1 - E2 and estimated length
// 6.1 times the sequent depth. The jump type follows the Froude number as shown.
JumpOutcome ComputeHydraulicJump(ChannelType shape, UnitSystem units, const JumpInputTexts& texts);

extern const char* const kJumpIncompleteInputText;
extern const char* const kJumpConduitFullText;

}  // namespace rillo

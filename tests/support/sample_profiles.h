#pragma once

#include <stdexcept>
#include <string>

#include "calculators/calculator_opening.h"
#include "documents/format/computed_document.h"
#include "sections/channel_shapes.h"
#include "sections/profile_dispatch.h"
#include "sections/profile_input_check.h"

namespace rillo::testing {

// The worked example: a trapezoid 10 ft wide with side slopes of 2, 100 cfs,
// n = 0.013, S0 = 0.001, from 0+00.000 to 10+00.000, control depth blank.
inline ProfileInputTexts WorkedExampleTexts() {
    return {"0+00.000", "10+00.000", "100", "10", "0.013", "0.001", "", "2"};
}

// Inputs that compute a profile for each shape: a 2 unit section on a mild
// slope (subcritical) or, with `steep`, on a steep one (supercritical). The
// closed conduits carry 5 units: flowing full at the mild slope they could not
// carry 10, and a normal depth at the crown has no profile.
inline ProfileInputTexts SampleTexts(ChannelType shape, bool steep = false) {
    const bool closedConduit = shape == ChannelType::Circular || shape == ChannelType::ElongatedCircular;
    ProfileInputTexts t{"0+00.000", "2+50.000", closedConduit ? "5" : "10", "2", "0.013", steep ? "0.02" : "0.001", "", ""};
    if (shape == ChannelType::Trapezoidal) t.sideSlopeOrHeight = "1.5";
    if (shape == ChannelType::ElongatedCircular) t.sideSlopeOrHeight = "1";
    return t;
}

// The textbook channel the calculator windows open on: Q = 44.001, b = 4,
// n = 0.055, S0 = 0.02, z = 3 (critical depth 1.163 ft, normal depth 1.454 ft).
inline CalculatorOpening TextbookCalculatorOpening(ChannelType type, UnitSystem units) {
    CalculatorOpening opening;
    opening.units = units;
    opening.channelType = type;
    opening.inputs = {"", "", "44.001", "4", "0.055", "0.02", "", "3"};
    return opening;
}

// Checks and computes the inputs as Compute does and returns the document the
// views then hold; the name is the shape's display name.
inline ProfileDocument ComputeSampleDocument(const ProfileInputTexts& texts, ChannelType shape,
                                             UnitSystem units) {
    InputCheckResult check = CheckProfileInputs(texts, shape, units, true);
    if (!check.ready()) throw std::logic_error("sample inputs refused: " + check.text);
    ProfileResult result = ComputeProfileFor(check.inputs);
    if (!result.ok()) throw std::logic_error("sample profile failed: " + result.failure->text);
    return ComputedDocument(texts, shape, units, std::string(ShapeOf(shape).displayName), result);
}

// The worked example's trapezoid, computed.
inline ProfileDocument WorkedExampleDocument() {
    return ComputeSampleDocument(WorkedExampleTexts(), ChannelType::Trapezoidal, UnitSystem::English);
}

}  // namespace rillo::testing

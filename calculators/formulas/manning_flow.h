#pragma once

#include "engine/channel_section.h"
#include "engine/channel_type.h"

namespace rillo {

// The section values Manning's calculator works with at one depth: the
// hydraulic radius from the shape's own operation for the trapezoid and the
// circle, as A / P for the U-shape and the elongated circle; the wetted
// perimeter shown is A / R.
struct ManningSectionValues {
    float area = 0.0f;
    float hydraulicRadius = 0.0f;
    float wettedPerimeter = 0.0f;
};
ManningSectionValues ManningSectionAt(const ChannelSection& section, ChannelType shape, float y);

// Q = S^(1/2) R^(2/3) (k / n A), the powers in double precision.
float ManningFlowrate(const ManningSectionValues& at, float k, float n, float s);

}  // namespace rillo

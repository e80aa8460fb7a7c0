#pragma once

#include <string>

namespace rillo {

// Flow type, direction and depth increments of a profile (the regime table).
struct FlowRegime {
    bool subcritical = true;  // computed upstream from the end station
    float direction = -1.0f;  // -1 upstream (stations decreasing), +1 downstream
    int increments = 30;      // N: 30, or 60 for a supercritical profile on a steep slope
    float depthStep = 0.0f;   // the depth increment; may be negative
};

// Chooses the regime from the control depth y0, the normal depth yn (3 yc when
// the slope is not positive) and the critical depth yc. Profiles that approach
// normal depth stop at 99.8 % of the way; those approaching yc go all the way.
FlowRegime DecideFlowRegime(float y0, float yn, float yc);

// "subcritical" or "supercritical".
const char* FlowTypeText(bool subcritical);

// The profile class, "mild, M-1" to "adverse, A-3", by exact comparison.
std::string ClassifyProfile(float y0, float yn, float yc, float s0);

}  // namespace rillo

#include "engine/profile_classification.h"

#include "engine/float_guard.h"

namespace rillo {

FlowRegime DecideFlowRegime(float y0, float yn, float yc) {
    if (yn >= yc) {
        if (y0 >= yc) return {true, -1.0f, 30, ToSingle((double(y0) - yn) * 0.998 / 30)};
        return {false, 1.0f, 30, ToSingle((double(yc) - y0) / 30)};
    }
    if (y0 <= yc) return {false, 1.0f, 60, ToSingle((double(yn) - y0) * 0.998 / 60)};
    return {true, -1.0f, 30, ToSingle((double(y0) - yc) / 30)};
}

const char* FlowTypeText(bool subcritical) { return subcritical ? "subcritical" : "supercritical"; }

std::string ClassifyProfile(float y0, float yn, float yc, float s0) {
    if (s0 > 0.0f) {
        if (yc < yn) {
            if (y0 > yn) return "mild, M-1";
            if (y0 >= yc) return "mild, M-2";
            return "mild, M-3";
        }
        if (yc > yn) {
            if (y0 > yc) return "steep, S-1";
            if (y0 >= yn) return "steep, S-2";
            return "steep, S-3";
        }
        return y0 >= yc ? "critical, C-1" : "critical, C-3";
    }
    if (s0 == 0.0f) return y0 >= yc ? "horizontal, H-2" : "horizontal, H-3";
    return y0 >= yc ? "adverse, A-2" : "adverse, A-3";
}

}  // namespace rillo

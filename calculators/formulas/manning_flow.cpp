#include "calculators/formulas/manning_flow.h"

#include <cmath>

#include "engine/float_guard.h"

namespace rillo {

ManningSectionValues ManningSectionAt(const ChannelSection& section, ChannelType shape, float y) {
    ManningSectionValues v;
    v.area = section.FlowArea(y);
    if (shape == ChannelType::Trapezoidal || shape == ChannelType::Circular) {
        v.hydraulicRadius = ToSingle(section.HydraulicRadius(y));
    } else {
        v.hydraulicRadius = ToSingle(double(v.area) / section.WettedPerimeter(y));
    }
    v.wettedPerimeter = ToSingle(double(v.area) / v.hydraulicRadius);
    return v;
}

float ManningFlowrate(const ManningSectionValues& at, float k, float n, float s) {
    return ToSingle(std::pow(double(s), 0.5) * std::pow(double(at.hydraulicRadius), 2.0 / 3.0) *
                    (double(k) / n * at.area));
}

}  // namespace rillo

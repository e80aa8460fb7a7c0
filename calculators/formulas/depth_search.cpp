#include "calculators/formulas/depth_search.h"

#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

DepthSearch BisectDepth(float top, int halvings, const std::function<float(float)>& residual) {
    return BisectDepth(0.0f, top, halvings, residual);
}

DepthSearch BisectDepth(float bottom, float top, int halvings, const std::function<float(float)>& residual) {
    DepthSearch search;
    float lower = bottom;
    float upper = top;
    float y = ToSingle((double(top) + bottom) * 0.5);
    for (int i = 0; i < halvings; ++i) {
        const float r = residual(y);
        if (r == 0.0f) {
            search.exactRoot = true;
            break;
        }
        if (r > 0.0f) {
            upper = y;
            search.upperBoundMoved = true;
        } else {
            lower = y;
        }
        y = ToSingle((double(upper) + lower) * 0.5);
    }
    search.depth = y;
    return search;
}

CalculatorMessage DepthAboveSearchMessage(const std::string& title, const std::string& depthName,
                                          const ChannelSection& section, UnitSystem units) {
    CalculatorMessage message;
    message.title = title;
    if (section.CrownDepth()) {
        message.text = "The channel cannot carry this flowrate at any depth up to its height.";
    } else {
        message.text = "The " + depthName + " is above " + ShortestNumber(section.SearchCeiling()) +
                       (units == UnitSystem::English ? " ft" : " m") +
                       ", the top of this calculator's search.";
    }
    return message;
}

}  // namespace rillo

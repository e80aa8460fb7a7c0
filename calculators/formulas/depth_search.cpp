#include "calculators/formulas/depth_search.h"

#include <cmath>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

float DepthOfMaximumCapacity(const ChannelSection& conduit) {
    const auto conveyance = [&](double depth) {
        const float y = ToSingle(depth);
        return std::pow(double(conduit.FlowArea(y)), kAreaExponent) /
               std::pow(double(conduit.WettedPerimeter(y)), kPerimeterExponent);
    };
    const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
    double lower = 0.0;
    double upper = conduit.CrownDepth().value_or(conduit.SearchCeiling());
    double left = upper - ratio * (upper - lower);
    double right = lower + ratio * (upper - lower);
    double leftValue = conveyance(left);
    double rightValue = conveyance(right);
    // 0.618^100 closes any bracket to well below a unit in the last place.
    for (int i = 0; i < 100; ++i) {
        if (leftValue < rightValue) {
            lower = left;
            left = right;
            leftValue = rightValue;
            right = lower + ratio * (upper - lower);
            rightValue = conveyance(right);
        } else {
            upper = right;
            right = left;
            rightValue = leftValue;
            left = upper - ratio * (upper - lower);
            leftValue = conveyance(left);
        }
    }
    return ToSingle(leftValue < rightValue ? right : left);
}

CalculatorMessage DepthAboveSearchMessage(const std::string& title, const std::string& depthName,
                                          const ChannelSection& section, UnitSystem units) {
    CalculatorMessage message;
    message.title = title;
    message.clearsResults = true;
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

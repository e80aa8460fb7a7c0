#include "calculators/formulas/calculator_section.h"

#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/TRAPZOID.h"
#include "sections/USHAPED.h"

namespace rillo {

std::unique_ptr<ChannelSection> SectionOfSize(ChannelType shape, float widthOrRadius, float side) {
    switch (shape) {
        case ChannelType::Trapezoidal: return std::make_unique<TrapezoidalSection>(widthOrRadius, side);
        case ChannelType::Circular: return std::make_unique<CircularSection>(widthOrRadius);
        case ChannelType::UShaped: return std::make_unique<UShapedSection>(widthOrRadius);
        case ChannelType::ElongatedCircular: return std::make_unique<ElongatedSection>(widthOrRadius, side);
    }
    return std::make_unique<TrapezoidalSection>(widthOrRadius, side);
}

std::unique_ptr<ChannelSection> CalculatorSection(ChannelType shape, float widthOrDiameter, float side) {
    const float size = shape == ChannelType::Trapezoidal ? widthOrDiameter : widthOrDiameter / 2.0f;
    return SectionOfSize(shape, size, side);
}

}  // namespace rillo

#include "engine/profile_fields.h"

namespace rillo {

std::span<const ProfileField> FormFieldsOf(InputField) {
    using T = ProfileInputTexts;
    constexpr FieldKeys kStation = FieldKeys::Station, kPositive = FieldKeys::PositiveNumber;
    static const ProfileField kFields[] = {
        {{InputField::StartStation, "--start", kStation, false}, "start", &T::startStation,
         "Start (upstream) station, e.g. 0+00.000"},
        {{InputField::EndStation, "--end", kStation, true}, "end", &T::endStation,
         "End (downstream) station, e.g. 10+00.000"},
        {{InputField::Flowrate, "--flow", kPositive, true}, "flow", &T::flowrate, "Flowrate Q, ft^3/s or m^3/s"},
        {{InputField::WidthOrDiameter, "--width", kPositive, false}, "width", &T::widthOrDiameter,
         "Bottom width (trapezoidal; 0 or absent for a triangle) or diameter (other shapes)"},
        {{InputField::ManningN, "--n", kPositive, true}, "n", &T::manningN, "Manning's roughness coefficient n"},
        {{InputField::BottomSlope, "--slope", FieldKeys::SignedNumber, true}, "slope", &T::bottomSlope,
         "Bottom slope S0 (length per length; may be negative)"},
        {{InputField::ControlDepth, "--control", kPositive, false}, "control", &T::controlDepth,
         "Control depth; absent: the critical depth"},
        {{InputField::SideSlopeOrHeight, "--side", kPositive, false}, "side", &T::sideSlopeOrHeight,
         "Side slope z (trapezoidal, horizontal per 1 vertical) or side height (elongated)"},
    };
    return kFields;
}

}  // namespace rillo

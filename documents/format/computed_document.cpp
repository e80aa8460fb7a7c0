#include "documents/format/computed_document.h"

#include "engine/float_guard.h"
#include "engine/numeric_text.h"

namespace rillo {

ProfileDocument ComputedDocument(const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
                                 std::string channelName, const ProfileResult& result) {
    ProfileDocument d;
    d.channelType = type;
    d.unitSystem = units;
    d.channelName = std::move(channelName);
    d.startStation = texts.startStation;
    d.endStation = texts.endStation;
    d.flowrate = texts.flowrate;
    d.widthOrDiameter = texts.widthOrDiameter;
    d.manningN = texts.manningN;
    d.bottomSlope = texts.bottomSlope;
    d.controlDepth = result.controlDepthText.value_or(texts.controlDepth);
    d.sideSlopeOrHeight = texts.sideSlopeOrHeight;
    try {
        if (UsesSideInput(type) && ReadLeadingNumber(texts.sideSlopeOrHeight) == 0.0)
            d.sideSlopeOrHeight = "0";
    } catch (const ComputationError&) {
        // Not a number the computation could take; the text stays as typed.
    }
    d.summary = result.summary;
    d.table = result.table;
    return d;
}

}  // namespace rillo

#include "documents/format/computed_document.h"

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "sections/channel_shapes.h"

namespace rillo {

ProfileDocument ComputedDocument(const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
                                 std::string channelName, const ProfileResult& result) {
    ProfileDocument d;
    static_cast<ProfileInputTexts&>(d) = texts;
    d.channelType = type;
    d.unitSystem = units;
    d.channelName = std::move(channelName);
    if (result.controlDepthText) d.controlDepth = *result.controlDepthText;
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

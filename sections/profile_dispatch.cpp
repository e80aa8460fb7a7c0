#include "sections/profile_dispatch.h"

#include "engine/profile_computation.h"
#include "sections/channel_shapes.h"

namespace rillo {

ProfileResult ComputeProfileFor(const ProfileInputs& in) {
    if (!IsKnownShape(in.channelType)) {
        ProfileResult unknown;
        unknown.failure = ProfileFailure{"Channel Type Unknown",
                                         "Please select a channel type from the menu bar, and try again."};
        return unknown;
    }
    const std::unique_ptr<ChannelSection> section =
        ShapeOf(in.channelType).section(in.widthOrDiameter, in.sideSlopeOrHeight);
    return ComputeProfile(*section, {in.startStation, in.endStation, in.manningN, in.bottomSlope, in.flowrate,
                                     in.controlDepth, in.unitSystem});
}

}  // namespace rillo

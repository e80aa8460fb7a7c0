#include "sections/profile_dispatch.h"

#include "sections/CIRCULAR.h"
#include "sections/ELNGATED.h"
#include "sections/TRAPZOID.h"
#include "sections/USHAPED.h"

namespace rillo {

ProfileResult ComputeProfileFor(const ProfileInputs& inputs) {
    switch (inputs.channelType) {
        case ChannelType::Trapezoidal: return trapzoid::ComputeProfile(inputs);
        case ChannelType::Circular: return circular::ComputeProfile(inputs);
        case ChannelType::UShaped: return ushaped::ComputeProfile(inputs);
        case ChannelType::ElongatedCircular: return elngated::ComputeProfile(inputs);
    }
    ProfileResult unknown;
    unknown.failure = ProfileFailure{"Channel Type Unknown",
                                     "Please select a channel type from the menu bar, and try again."};
    return unknown;
}

}  // namespace rillo

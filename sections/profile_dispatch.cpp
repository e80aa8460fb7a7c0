#include "sections/profile_dispatch.h"

#include "sections/TRAPZOID.h"

namespace rillo {

ProfileResult ComputeProfileFor(const ProfileInputs& inputs) {
    switch (inputs.channelType) {
        case ChannelType::Trapezoidal: return trapzoid::ComputeProfile(inputs);
        case ChannelType::Circular:
        case ChannelType::UShaped:
        case ChannelType::ElongatedCircular: break;
    }
    ProfileResult unknown;
    unknown.failure = ProfileFailure{"Channel Type Unknown",
                                     "Please select a channel type from the menu bar, and try again."};
    return unknown;
}

}  // namespace rillo

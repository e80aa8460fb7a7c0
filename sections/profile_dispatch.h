#pragma once

#include "engine/profile_records.h"

namespace rillo {

// Runs the profile computation of the inputs' channel type.
ProfileResult ComputeProfileFor(const ProfileInputs& inputs);

}  // namespace rillo

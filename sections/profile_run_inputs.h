#pragma once

#include "engine/profile_computation.h"
#include "engine/profile_records.h"

namespace rillo {

// The part of the document's inputs that every shape's profile uses.
inline ProfileRunInputs ToRunInputs(const ProfileInputs& in) {
    return {in.startStation, in.endStation, in.manningN, in.bottomSlope,
            in.flowrate,     in.controlDepth, in.unitSystem};
}

}  // namespace rillo

#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "engine/form_field.h"
#include "engine/profile_records.h"

namespace rillo {

// The two end depths of a reach controlled at both ends, as typed.
struct MixedDepthTexts {
    std::string upstreamDepth;    // the supercritical depth entering the reach (below a gate)
    std::string downstreamDepth;  // the subcritical depth at its end (a tailwater)
};

// The two end-depth fields, in the window's tab order.
enum class MixedDepthField { Upstream, Downstream };
std::span<const FormField<MixedDepthField>> FormFieldsOf(MixedDepthField);

// The labels of the end-depth fields and of the jump's results.
struct MixedCaptions {
    std::string upstreamDepth;        // "Upstream depth, ft:"
    std::string downstreamDepth;      // "Downstream depth, ft:"
    std::string normalDepth;          // "Normal depth, ft:"
    std::string criticalDepth;        // "Critical depth, ft:"
    std::string jumpStation;          // "Jump station:"
    std::string jumpUpstreamDepth;    // "Depth before the jump, ft:"
    std::string jumpDownstreamDepth;  // "Depth after the jump, ft:"
    std::string energyLoss;           // "Energy loss, ft:"
    std::string jumpLength;           // "Jump length (estimate), ft:"
};
MixedCaptions MixedProfileCaptions(UnitSystem units);

// An end depth refused before anything is computed.
struct MixedDepthRefusal {
    MixedDepthField field = MixedDepthField::Upstream;
    std::string title;
    std::string text;
};

// The notes that say where the jump went when it forms beyond an end.
extern const char* const kJumpSweptOutNote;
extern const char* const kJumpDrownedNote;

// A mixed-regime profile: supercritical from the upstream end to the jump,
// subcritical after it. Texts as the views show them ("0.000", stations in
// stationing notation).
struct MixedProfileResult {
    std::string normalDepth;  // "----" on a slope that is not positive
    std::string normalArea;
    std::string criticalDepth;
    std::string criticalArea;
    std::string upstreamProfileType;    // of the supercritical profile, "mild, M-3"
    std::string downstreamProfileType;  // of the subcritical profile, "mild, M-2"

    // The jump; all empty when it forms beyond an end, and `jumpNote` says which.
    std::string jumpStation;
    std::string jumpUpstreamDepth;
    std::string jumpDownstreamDepth;
    std::string energyLoss;
    std::string jumpLength;  // estimate: 6.1 sequent depths
    std::string jumpNote;

    // The rows in station order, start to end; the jump is two rows at its
    // station, the depth before it first.
    ProfileTable table;
    std::optional<std::size_t> jumpRow;  // the first of the jump's two rows
    // The profile that stands alone in the reach ended short of its far end.
    std::string earlyEndNote;

    std::optional<MixedDepthRefusal> refusal;  // nothing computed
    std::optional<ProfileFailure> failure;     // the profile's own message

    bool ok() const { return !refusal && !failure; }
    bool jumpInReach() const { return jumpRow.has_value(); }
};

// The mark of a table row: "before the jump" and "after the jump" on the
// jump's two rows, empty on the others.
std::string JumpRowMark(const MixedProfileResult& result, std::size_t row);

// The profile of a reach between a supercritical upstream depth and a
// subcritical downstream one, from the checked inputs of the profile (its
// control depth is not read). The end depths must be a positive depth below
// critical depth upstream and one above it (and not above a conduit's crown)
// downstream; each has its own message. The profile loop runs twice: from the
// upstream depth downstream, and from the downstream depth upstream. The jump
// stands where the sequent depth of the supercritical depth equals the
// subcritical depth, each profile interpolated linearly between its stations
// and held at its last depth beyond where its depth range ended; the station
// is found by bisection between the two computed stations that bracket it.
// The sequent depth is the jump calculator's. No jump in the reach: swept out
// when the supercritical flow outlasts the tailwater all the way down, drowned
// when the tailwater already exceeds the sequent depth at the upstream end.
MixedProfileResult ComputeMixedProfile(const ProfileInputs& checkedInputs, const MixedDepthTexts& depths);

}  // namespace rillo

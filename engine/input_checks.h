#pragma once

#include <string>

#include "engine/channel_type.h"
#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo {

// The inputs view's field texts, as typed.
struct ProfileInputTexts {
    std::string startStation;
    std::string endStation;
    std::string flowrate;
    std::string widthOrDiameter;
    std::string manningN;
    std::string bottomSlope;
    std::string controlDepth;
    std::string sideSlopeOrHeight;
};

enum class InputField {
    StartStation,
    EndStation,
    Flowrate,
    WidthOrDiameter,
    ManningN,
    BottomSlope,
    ControlDepth,
    SideSlopeOrHeight
};

enum class InputCheckOutcome {
    Ready,            // complete: `inputs` holds what the computation takes
    MissingInput,     // "Insufficient Input Data"; focus `field`
    StationNotation,  // a station lacks its "+": the stationing message; focus `field`
    EqualStations,    // the reach has no length: end silently
    StationOrder,     // start after end: "Station Error"; focus the end station
    ManningWarning,   // n >= 0.15: ask Yes/No/Cancel; on Yes check again with the warning accepted
    ZeroSlope,        // "Slope Error"; focus the bottom slope
    Unreadable,       // a run-time error while reading: a station that is not a number (`field` is the
                      // start station), or a number past the float range in `field`
};

enum class MessageKind { Information, Warning };

// The first problem found, with the field to focus and the message to show,
// or the inputs ready for the computation.
struct InputCheckResult {
    InputCheckOutcome outcome = InputCheckOutcome::Ready;
    InputField field = InputField::StartStation;
    std::string title;  // empty: the application title
    std::string text;   // empty: no message
    MessageKind kind = MessageKind::Information;
    ProfileInputs inputs;
    // The side field read 0 and is shown as "0" (trapezoid and elongated circular).
    bool sideFieldShowsZero = false;

    bool ready() const { return outcome == InputCheckOutcome::Ready; }
};

// Message texts shared with the command-line front end.
extern const char* const kInsufficientInputTitle;
extern const char* const kInsufficientInputText;
extern const char* const kManningWarningTitle;
extern const char* const kManningWarningText;
extern const char* const kSlopeErrorTitle;
extern const char* const kSlopeErrorText;
extern const char* const kStationErrorTitle;
extern const char* const kStationOrderText;

}  // namespace rillo

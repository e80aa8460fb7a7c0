#include "engine/input_checks.h"

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/stationing.h"

namespace rillo {

const char* const kInsufficientInputTitle = "Insufficient Input Data";
const char* const kInsufficientInputText =
    "You must enter all of the required inputs \r"
    "before Rillo can compute a water surface profile.";
const char* const kManningWarningTitle = "Manning's coefficient error";
const char* const kManningWarningText =
    "Manning's roughness coefficient is usually less than 0.15,\r"
    "which is used for a floodplain with trees.  A typical roughness\r"
    "coefficient is 0.014 for unfinished concrete.\r"
    "\r"
    "Do you still want Rillo to use the value you entered?";
const char* const kSlopeErrorTitle = "Slope Error";
const char* const kSlopeErrorText =
    "The bottom slope is used in the denominator of the profile calculations,"
    " so, it cannot be zero.\r\r"
    "You can use 0.000001 to closely approximate a horizontal bottom slope.";
const char* const kStationErrorTitle = "Station Error";
const char* const kStationOrderText = "The start station must be less than the end station.";

namespace {

InputCheckResult Problem(InputCheckOutcome outcome, InputField field, std::string title, std::string text,
                         MessageKind kind = MessageKind::Information) {
    InputCheckResult r;
    r.outcome = outcome;
    r.field = field;
    r.title = std::move(title);
    r.text = std::move(text);
    r.kind = kind;
    return r;
}

InputCheckResult Missing(InputField field) {
    return Problem(InputCheckOutcome::MissingInput, field, kInsufficientInputTitle, kInsufficientInputText);
}

// Reads a field by the leading-number rule; a number past the float range
// ends the checks naming that field.
struct FieldOverflow {
    InputField field;
    std::string what;
};

float ReadField(const std::string& text, InputField field) {
    try {
        return ReadLeadingSingle(text);
    } catch (const ComputationError& e) {
        throw FieldOverflow{field, e.what()};
    }
}

InputCheckResult CheckInputs(const ProfileInputTexts& t, ChannelType type, UnitSystem units,
                             bool manningAccepted) {
    if (t.startStation.empty()) return Missing(InputField::StartStation);
    if (t.endStation.empty()) return Missing(InputField::EndStation);

    if (StationProblem problem = CheckStationNotation(t.startStation, t.endStation);
        problem != StationProblem::None) {
        InputField field =
            problem == StationProblem::StartNotInNotation ? InputField::StartStation : InputField::EndStation;
        return Problem(InputCheckOutcome::StationNotation, field, "", StationNotationMessage(problem));
    }
    ReachLengthResult reach = ReachLength(t.startStation, t.endStation);
    ProfileInputs in;
    in.reachLength = ToSingle(reach.length);
    if (in.reachLength == 0.0f) return Problem(InputCheckOutcome::EqualStations, InputField::StartStation, "", "");
    // A start after the end would make the profile run outside the reach.
    if (StationValue(t.startStation) > StationValue(t.endStation)) {
        return Problem(InputCheckOutcome::StationOrder, InputField::EndStation, kStationErrorTitle,
                       kStationOrderText);
    }

    in.flowrate = ReadField(t.flowrate, InputField::Flowrate);
    if (in.flowrate == 0.0f) return Missing(InputField::Flowrate);
    in.widthOrDiameter = ReadField(t.widthOrDiameter, InputField::WidthOrDiameter);
    if (in.widthOrDiameter == 0.0f && type != ChannelType::Trapezoidal) return Missing(InputField::WidthOrDiameter);
    in.manningN = ReadField(t.manningN, InputField::ManningN);
    if (in.manningN == 0.0f) return Missing(InputField::ManningN);
    if (in.manningN >= 0.15f && !manningAccepted) {
        return Problem(InputCheckOutcome::ManningWarning, InputField::ManningN, kManningWarningTitle,
                       kManningWarningText, MessageKind::Warning);
    }
    in.bottomSlope = ReadField(t.bottomSlope, InputField::BottomSlope);
    if (in.bottomSlope == 0.0f) {
        return Problem(InputCheckOutcome::ZeroSlope, InputField::BottomSlope, kSlopeErrorTitle, kSlopeErrorText);
    }
    in.controlDepth = ReadField(t.controlDepth, InputField::ControlDepth);

    InputCheckResult ready;
    if (UsesSideInput(type)) {
        in.sideSlopeOrHeight = ReadField(t.sideSlopeOrHeight, InputField::SideSlopeOrHeight);
        ready.sideFieldShowsZero = in.sideSlopeOrHeight == 0.0f;
    }
    in.startStation = t.startStation;
    in.endStation = t.endStation;
    in.channelType = type;
    in.unitSystem = units;
    ready.inputs = std::move(in);
    return ready;
}

}  // namespace

InputCheckResult CheckProfileInputs(const ProfileInputTexts& texts, ChannelType type, UnitSystem units,
                                    bool manningAccepted) {
    try {
        return CheckInputs(texts, type, units, manningAccepted);
    } catch (const FieldOverflow& e) {
        return Problem(InputCheckOutcome::Unreadable, e.field, "", e.what);
    } catch (const ComputationError& e) {
        return Problem(InputCheckOutcome::Unreadable, InputField::StartStation, "", e.what());
    }
}

}  // namespace rillo

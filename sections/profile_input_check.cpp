#include "sections/profile_input_check.h"

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/stationing.h"
#include "sections/channel_shapes.h"

namespace rillo {

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
    // A type outside the table reads no side field and needs every width;
    // the computation then refuses it.
    const bool readsSide = IsKnownShape(type) && ShapeOf(type).UsesSideInput();
    const bool zeroWidthAllowed = IsKnownShape(type) && ShapeOf(type).zeroWidthAllowed;
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
    if (in.reachLength == 0.0f)
        return Problem(InputCheckOutcome::EqualStations, InputField::StartStation, "", "");
    // A start after the end would make the profile run outside the reach.
    if (StationValue(t.startStation) > StationValue(t.endStation)) {
        return Problem(InputCheckOutcome::StationOrder, InputField::EndStation, kStationErrorTitle,
                       kStationOrderText);
    }

    in.flowrate = ReadField(t.flowrate, InputField::Flowrate);
    if (in.flowrate == 0.0f) return Missing(InputField::Flowrate);
    in.widthOrDiameter = ReadField(t.widthOrDiameter, InputField::WidthOrDiameter);
    if (in.widthOrDiameter == 0.0f && !zeroWidthAllowed) return Missing(InputField::WidthOrDiameter);
    in.manningN = ReadField(t.manningN, InputField::ManningN);
    if (in.manningN == 0.0f) return Missing(InputField::ManningN);
    if (in.manningN >= 0.15f && !manningAccepted) {
        return Problem(InputCheckOutcome::ManningWarning, InputField::ManningN, kManningWarningTitle,
                       kManningWarningText, MessageKind::Warning);
    }
    in.bottomSlope = ReadField(t.bottomSlope, InputField::BottomSlope);
    if (in.bottomSlope == 0.0f) {
        return Problem(InputCheckOutcome::ZeroSlope, InputField::BottomSlope, kSlopeErrorTitle,
                       kSlopeErrorText);
    }
    in.controlDepth = ReadField(t.controlDepth, InputField::ControlDepth);

    InputCheckResult ready;
    if (readsSide) {
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

#include "engine/profile_computation.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/profile_classification.h"
#include "engine/stationing.h"

namespace rillo {

namespace {

// Ends a run before anything is written: the critical or the normal depth
// lies beyond the top of the searches' bracket.
struct DepthBeyondSearch {
    bool critical = false;
    bool normal = false;
};

// Whether a bisection of an open channel crept up to the top of its bracket,
// to single-precision rounding: its result is the bracket, not a depth. A
// closed conduit's searches end at its crown by design.
bool EndsOnSearchTop(const ChannelSection& section, float depth) {
    return !section.CrownDepth() && depth >= std::nextafter(section.SearchCeiling(), 0.0f);
}

std::string DepthBeyondSearchText(const DepthBeyondSearch& beyond, float top, UnitSystem units) {
    const char* depths = beyond.critical && beyond.normal ? "the critical and normal depths lie"
                         : beyond.critical                ? "the critical depth lies"
                                                          : "the normal depth lies";
    return std::string("A water-surface profile cannot be computed: ") + depths + " beyond " +
           ShortestNumber(top) + (units == UnitSystem::English ? " ft" : " m") +
           ", and Rillo searches no deeper.  Recheck the values you entered.";
}

// One run of the computation; writes into `out` as it goes, so that a failure
// leaves exactly what was written before it.
class ProfileRun {
public:
    ProfileRun(const ChannelSection& section, const ProfileRunInputs& in, const FloatGuard& guard,
               ProfileResult& out)
        : section_(section), crown_(section.CrownDepth()), in_(in), guard_(guard), out_(out) {}

    void Run();

private:
    // The depth limited to the crown of a closed conduit.
    float LimitToCrown(float y) const { return crown_ && y > *crown_ ? *crown_ : y; }

    float Integrand(float y) const {
        return ToSingle(section_.ProfileIntegrand(y, flow_));
    }

    // AppendProfileRow with this run's flow.
    void WriteRow(const std::string& stationText, float y);

    const ChannelSection& section_;
    // The section's crown, asked once: every step limits its depths to it.
    const std::optional<float> crown_;
    const ProfileRunInputs& in_;
    // Checked before each row is written and after each depth search, for
    // faults that a finite value hides.
    const FloatGuard& guard_;
    ProfileResult& out_;
    // The run's flow, set as the run starts.
    ProfileFlow flow_;
};

}  // namespace

namespace {

// The eleven cell texts of one row, from its row set.
class RowTexts {
   public:
    RowTexts(const std::string& stationText, const ProfileRowValues& values)
        : stationText_(stationText), values_(values) {}

    std::string Cell(int column) const {
        switch (column) {
            case kStationColumn: return stationText_;
            case kDepthColumn: return FormatFixed3(values_.y);
            case kSpecificEnergyColumn: return FormatFixed3(values_.specificEnergy);
            case kAreaColumn: return FormatFixed3(values_.area);
            case kVelocityColumn: return FormatFixed3(values_.velocity);
            case kTopWidthColumn: return FormatFixed3(ToSingle(values_.topWidth));
            case kMomentumColumn: return FormatFixed3(values_.momentum);
            case kFroudeColumn: return FormatFixed3(values_.froude);
            case kVelocityHeadColumn: return FormatFixed3(values_.velocityHead);
            case kHydraulicRadiusColumn: return FormatFixed3(values_.hydraulicRadius);
            default: return FormatFixed3(values_.perimeter);
        }
    }

    // The whole row at once, the cells in column order. The table's
    // emplace_back initialises its new row from this conversion, which GCC
    // makes in place: each text is made right in its cell instead of being
    // moved there (elsewhere the row may be moved once, to the same effect).
    operator ProfileRow() const {
        return {{Cell(0), Cell(1), Cell(2), Cell(3), Cell(4), Cell(5), Cell(6), Cell(7), Cell(8), Cell(9),
                 Cell(10)},
                values_.y};
    }

   private:
    const std::string& stationText_;
    const ProfileRowValues& values_;
};
static_assert(kProfileColumnCount == 11);

}  // namespace

void AppendProfileRow(const ChannelSection& section, float q, float g, const FloatGuard& guard,
                      const std::string& stationText, float y, ProfileTable& table) {
    // The row set comes first; a failure there writes no row at all.
    const ProfileRowValues values = section.RowValues(y, q, g);
    guard.Check();

    const RowTexts texts(stationText, values);
    try {
        table.emplace_back(texts);
    } catch (const ComputationError&) {
        // A failure while the cells are written (the top width past the
        // single range) leaves the row cut short: it is written again cell
        // by cell, up to the cell that fails once more.
        ProfileRow& row = table.emplace_back();
        row.depth = y;
        for (int column = 0; column < kProfileColumnCount; ++column) {
            row.cells[static_cast<std::size_t>(column)] = texts.Cell(column);
        }
    }
    // No check after the cells: they only round and write the row set's
    // values, which raises no flag, and reading the flags stalls the
    // pipeline.
}

namespace {

void ProfileRun::WriteRow(const std::string& stationText, float y) {
    AppendProfileRow(section_, flow_.q, flow_.g, guard_, stationText, y, out_.table);
}

void ProfileRun::Run() {
    // Stations: the numbers for the running station, the parsed texts for the
    // row that lands exactly on a reach end.
    const double startValue = StationValue(in_.startStation);
    const double endValue = StationValue(in_.endStation);
    const float xStart = ToSingle(startValue);
    const float xEnd = ToSingle(endValue);

    const UnitConstants units = ProfileConstants(in_.unitSystem);
    flow_ = ProfileFlow(in_.flowrate, units.g, UniformFlowFactor(in_.manningN, units.k, in_.bottomSlope),
                        in_.bottomSlope);

    const float yc = section_.CriticalDepth(flow_.q, flow_.g);
    guard_.Check();
    float y0 = in_.controlDepth == 0.0f ? yc : in_.controlDepth;
    std::optional<float> normal;
    if (flow_.s0 > 0.0f) {
        normal = section_.NormalDepth(flow_.q, flow_.uniformFlowFactor);
        guard_.Check();
    }
    // A depth the searches did not find is no result: nothing is written.
    const DepthBeyondSearch beyond{EndsOnSearchTop(section_, yc), normal && EndsOnSearchTop(section_, *normal)};
    if (beyond.critical || beyond.normal) throw beyond;

    ProfileSummary& summary = out_.summary;
    // A conduit whose normal-depth search ends at its crown cannot carry the
    // flow with a free surface: the "normal depth" is the crown, not a depth
    // of uniform flow. Only the critical depth is true; there is no profile.
    // (A critical depth at the crown as well ends below, as that case does.)
    if (const std::optional<float> crown = section_.CrownDepth();
        crown && normal && *normal >= std::nextafter(*crown, 0.0f) && FormatFixed3(yc) != FormatFixed3(*crown)) {
        summary.criticalDepth = FormatFixed3(yc);
        summary.criticalArea = FormatFixed3(section_.FlowArea(yc));
        throw ComputationError("Normal depth at the crown");
    }

    float yn;
    if (normal) {
        yn = *normal;
        summary.normalDepth = FormatFixed3(yn);
        summary.normalArea = FormatFixed3(section_.FlowArea(yn));
    } else {
        yn = ToSingle(3.0 * yc);
        summary.normalDepth = "----";
        summary.normalArea = "----";
    }
    summary.criticalDepth = FormatFixed3(yc);
    summary.criticalArea = FormatFixed3(section_.FlowArea(yc));

    const FlowRegime regime = DecideFlowRegime(y0, yn, yc);
    summary.flowType = FlowTypeText(regime.subcritical);
    // A closed conduit whose critical depth is its crown, as the summary shows
    // them, has no free surface that carries the flow: near the crown the top
    // width closes to nothing, and the rows of such a "profile" all stand at
    // one station. There is no profile to compute.
    if (const std::optional<float> crown = section_.CrownDepth();
        crown && summary.criticalDepth == FormatFixed3(*crown)) {
        throw ComputationError("Critical depth at the crown");
    }
    out_.controlDepthText = FormatFixed3(y0);

    const float d = regime.direction;
    const float dy = regime.depthStep;
    float x = regime.subcritical ? xEnd : xStart;
    float y = y0;
    // The control row, one row per pair of increments and the interpolated last one.
    out_.table.reserve(static_cast<std::size_t>(regime.increments / 2 + 2));
    {
        FormattedStation station = FormatStation(x);
        x = ToSingle(station.roundedValue);
        WriteRow(station.text, y);
    }
    summary.profileType = ClassifyProfile(y0, yn, yc, flow_.s0);

    // Each step starts at the depth where the one before ended: its integrand
    // is carried over instead of evaluated again.
    std::optional<double> carried;
    for (int i = 1; i <= regime.increments; i += 2) {
        const float y1 = y;
        const float ym = ToSingle(double(y0) + double(d) * dy * i);
        const float y2 = LimitToCrown(ToSingle(double(y0) + double(d) * dy * (i + 1)));
        const double f1 = carried ? *carried : Integrand(y1);
        const double fm = Integrand(ym);
        const double f2 = Integrand(y2);
        carried = f2;
        // A fault flagged in the step ends the run at the check of the row
        // it leads to, before that row is written.
        const float dx = ToSingle(std::fabs((f1 + 4.0 * fm + f2) * dy / 3.0));
        x = ToSingle(double(x) + double(d) * dx);

        const bool passedEnd = (d > 0.0f && x > xEnd) || (d < 0.0f && x < xStart);
        if (passedEnd) {
            // Interpolate the depth back to the reach end within this step.
            const float over = ToSingle(d > 0.0f ? double(x) - xEnd : double(xStart) - x);
            const float yLast = LimitToCrown(
                ToSingle(double(y2) - double(over) * (2.0 * d * dy) / dx));
            const double endOfReach = d > 0.0f ? endValue : startValue;
            WriteRow(FormatStation(endOfReach).text, yLast);
            return;
        }
        y = y2;
        FormattedStation station = FormatStation(x);
        x = ToSingle(station.roundedValue);
        WriteRow(station.text, y);
    }
    // The depth range is used up before the far end of the reach.
    const double farEnd = d > 0.0f ? endValue : startValue;
    out_.earlyEndNote = "The profile ends at " + out_.table.back().cells[kStationColumn] + ", before the " +
                        (d > 0.0f ? "end" : "start") + " station " + FormatStation(farEnd).text +
                        ": its depth range is used up.";
}

}  // namespace

ProfileResult ComputeProfile(const ChannelSection& section, const ProfileRunInputs& inputs) {
    ProfileResult result;
    FloatGuard guard;
    try {
        ProfileRun(section, inputs, guard, result).Run();
        guard.Check();
    } catch (const DepthBeyondSearch& beyond) {
        result.failure = ProfileFailure{
            kInvalidGeometryTitle, DepthBeyondSearchText(beyond, section.SearchCeiling(), inputs.unitSystem),
            true};
    } catch (const std::exception&) {
        result.failure = ProfileFailure{kInvalidGeometryTitle, section.ProfileFailureText()};
    }
    return result;
}

}  // namespace rillo

// The mixed-regime profile sits here rather than in engine/: it joins the
// profile loop (engine/, sections/) with the jump calculator's sequent-depth
// search (this floor), and arrows point down only.
#include "calculators/formulas/mixed_profile.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "calculators/formulas/calculator_captions.h"
#include "sections/channel_shapes.h"
#include "calculators/formulas/hydraulic_jump.h"
#include "engine/float_guard.h"
#include "engine/input_checks.h"
#include "engine/numeric_text.h"
#include "engine/profile_classification.h"
#include "engine/profile_computation.h"
#include "sections/channel_shapes.h"
#include "sections/profile_dispatch.h"

namespace rillo {

const char* const kJumpSweptOutNote = "swept out past the downstream end";
const char* const kJumpDrownedNote = "drowned: the tailwater reaches the upstream end";

std::span<const FormField<MixedDepthField>> FormFieldsOf(MixedDepthField) {
    static constexpr FormField<MixedDepthField> kFields[] = {
        {MixedDepthField::Upstream, "--upstream-depth", FieldKeys::PositiveNumber, true},
        {MixedDepthField::Downstream, "--downstream-depth", FieldKeys::PositiveNumber, true},
    };
    return kFields;
}

MixedCaptions MixedProfileCaptions(UnitSystem units) {
    MixedCaptions c;
    c.upstreamDepth = LengthCaption("Upstream depth", units);
    c.downstreamDepth = LengthCaption("Downstream depth", units);
    c.normalDepth = LengthCaption("Normal depth", units);
    c.criticalDepth = LengthCaption("Critical depth", units);
    c.jumpStation = "Jump station:";
    c.jumpUpstreamDepth = LengthCaption("Depth before the jump", units);
    c.jumpDownstreamDepth = LengthCaption("Depth after the jump", units);
    c.energyLoss = LengthCaption("Energy loss", units);
    c.jumpLength = LengthCaption("Jump length (estimate)", units);
    return c;
}

std::string JumpRowMark(const MixedProfileResult& result, std::size_t row) {
    if (!result.jumpRow) return "";
    if (row == *result.jumpRow) return "before the jump";
    if (row == *result.jumpRow + 1) return "after the jump";
    return "";
}

namespace {

// Halvings of the interval between two computed stations that brackets the
// jump: far below the three decimals a station shows.
constexpr int kStationHalvings = 60;

MixedDepthRefusal Refusal(MixedDepthField field, const char* title, std::string text) {
    return {field, title, std::move(text)};
}

std::string WithLengthUnit(float depth, UnitSystem units) {
    return FormatFixed3(depth) + (units == UnitSystem::English ? " ft" : " m");
}

// The first end depth left empty, in the window's tab order.
std::optional<MixedDepthRefusal> MissingEndDepth(const MixedDepthTexts& t) {
    if (t.upstreamDepth.empty()) {
        return Refusal(MixedDepthField::Upstream, kInsufficientInputTitle, kInsufficientInputText);
    }
    if (t.downstreamDepth.empty()) {
        return Refusal(MixedDepthField::Downstream, kInsufficientInputTitle, kInsufficientInputText);
    }
    return std::nullopt;
}

// The first end depth the profile cannot start from, in the window's tab order.
std::optional<MixedDepthRefusal> CheckEndDepths(float y1, float y2, float yc, std::optional<float> crown,
                                                UnitSystem units) {
    if (y1 <= 0.0f) {
        return Refusal(MixedDepthField::Upstream, "Upstream Depth Error",
                       "The upstream depth must be greater than zero.");
    }
    if (y1 >= yc) {
        return Refusal(MixedDepthField::Upstream, "Upstream Depth Error",
                       "The upstream depth must be below the critical depth, " + WithLengthUnit(yc, units) +
                           ": the flow entering the reach is supercritical.");
    }
    if (y2 <= yc) {
        return Refusal(MixedDepthField::Downstream, "Downstream Depth Error",
                       "The downstream depth must be above the critical depth, " + WithLengthUnit(yc, units) +
                           ": the tailwater holds the end of the reach subcritical.");
    }
    if (crown && y2 > *crown) {
        return Refusal(MixedDepthField::Downstream, "Downstream Depth Error",
                       "The downstream depth cannot be greater than the height of the channel.");
    }
    return std::nullopt;
}

// One computed profile as depths along the reach, in station order.
class DepthLine {
   public:
    explicit DepthLine(const ProfileTable& table) {
        for (const ProfileRow& row : table)
            points_.push_back({StationValue(row.cells[kStationColumn]), row.depth});
        std::sort(points_.begin(), points_.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
    }

    // Linear between stations; beyond the rows, the depth of the nearest end,
    // where the profile had used up its depth range (it stood at normal or at
    // critical depth).
    float DepthAt(double x) const {
        if (x <= points_.front().x) return points_.front().y;
        if (x >= points_.back().x) return points_.back().y;
        auto after = std::upper_bound(points_.begin(), points_.end(), x,
                                      [](double v, const Point& p) { return v < p.x; });
        const Point& b = *after;
        const Point& a = *(after - 1);
        if (b.x == a.x) return b.y;
        return ToSingle(a.y + (double(b.y) - a.y) * (x - a.x) / (b.x - a.x));
    }

    void AddStations(std::vector<double>& xs) const {
        for (const Point& p : points_) xs.push_back(p.x);
    }

   private:
    struct Point {
        double x;
        float y;
    };
    std::vector<Point> points_;
};

class MixedRun {
   public:
    MixedRun(const ChannelSection& section, const ProfileInputs& in, float yc, const FloatGuard& guard,
             const ProfileResult& super, const ProfileResult& sub, MixedProfileResult& out)
        : section_(section),
          in_(in),
          q_(in.flowrate),
          g_(ProfileConstants(in.unitSystem).g),
          yc_(yc),
          guard_(guard),
          super_(super),
          sub_(sub),
          superLine_(super.table),
          subLine_(sub.table),
          out_(out) {}

    void Run();

   private:
    // The depth after a jump from the supercritical depth y; none when no
    // depth up to the top of the section balances its specific force.
    std::optional<float> SequentDepth(float y) const {
        const DepthSearch search = SolveSequentDepth(section_, q_, g_, y, yc_);
        guard_.Check();
        if (search.EndedAtTop()) return std::nullopt;
        return search.depth;
    }

    // Whether the supercritical flow at station x holds on against the
    // tailwater: its sequent depth exceeds the subcritical depth there.
    bool SupercriticalHolds(double x) const {
        const std::optional<float> sequent = SequentDepth(superLine_.DepthAt(x));
        return !sequent || *sequent > subLine_.DepthAt(x);
    }

    void JumpAt(double x);
    void RowsOf(const ProfileResult& run, bool reversed, double after, double before);

    const ChannelSection& section_;
    const ProfileInputs& in_;
    const float q_, g_, yc_;
    const FloatGuard& guard_;
    const ProfileResult& super_;
    const ProfileResult& sub_;
    const DepthLine superLine_;
    const DepthLine subLine_;
    MixedProfileResult& out_;
};

// The rows of one run whose stations lie strictly between `after` and `before`, in station order.
void MixedRun::RowsOf(const ProfileResult& run, bool reversed, double after, double before) {
    std::vector<const ProfileRow*> rows;
    for (const ProfileRow& row : run.table) rows.push_back(&row);
    if (reversed) std::reverse(rows.begin(), rows.end());
    for (const ProfileRow* row : rows) {
        const double x = StationValue(row->cells[kStationColumn]);
        if (x > after && x < before) out_.table.push_back(*row);
    }
}

void MixedRun::JumpAt(double x) {
    const FormattedStation station = FormatStation(x);
    const double xj = station.roundedValue;
    const float y1 = superLine_.DepthAt(xj);
    const float y2 = SequentDepth(y1).value_or(subLine_.DepthAt(xj));

    const double beforeStart = StationValue(in_.startStation) - 1.0;
    const double pastEnd = StationValue(in_.endStation) + 1.0;
    RowsOf(super_, false, beforeStart, xj);
    out_.jumpRow = out_.table.size();
    AppendProfileRow(section_, q_, g_, guard_, station.text, y1, out_.table);
    AppendProfileRow(section_, q_, g_, guard_, station.text, y2, out_.table);
    RowsOf(sub_, true, xj, pastEnd);

    out_.jumpStation = station.text;
    out_.jumpUpstreamDepth = FormatFixed3(y1);
    out_.jumpDownstreamDepth = FormatFixed3(y2);
    out_.energyLoss = FormatFixed3(JumpEnergyLoss(section_, q_, g_, y1, y2));
    out_.jumpLength = FormatFixed3(JumpLengthEstimate(y2));
    guard_.Check();
}

void MixedRun::Run() {
    const double xStart = StationValue(in_.startStation);
    const double xEnd = StationValue(in_.endStation);
    std::vector<double> xs = {xStart, xEnd};
    superLine_.AddStations(xs);
    subLine_.AddStations(xs);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    xs.erase(std::remove_if(xs.begin(), xs.end(), [&](double x) { return x < xStart || x > xEnd; }),
             xs.end());

    if (!SupercriticalHolds(xStart)) {
        out_.jumpNote = kJumpDrownedNote;
        RowsOf(sub_, true, xStart - 1.0, xEnd + 1.0);
        out_.earlyEndNote = sub_.earlyEndNote;
        return;
    }
    for (std::size_t k = 1; k < xs.size(); ++k) {
        if (SupercriticalHolds(xs[k])) continue;
        double holds = xs[k - 1], fails = xs[k];
        for (int i = 0; i < kStationHalvings; ++i) {
            const double mid = 0.5 * (holds + fails);
            (SupercriticalHolds(mid) ? holds : fails) = mid;
        }
        JumpAt(0.5 * (holds + fails));
        return;
    }
    out_.jumpNote = kJumpSweptOutNote;
    RowsOf(super_, false, xStart - 1.0, xEnd + 1.0);
    out_.earlyEndNote = super_.earlyEndNote;
}

// A run of the one profile loop from one end depth.
ProfileResult ProfileFrom(const ProfileInputs& in, float controlDepth) {
    ProfileInputs from = in;
    from.controlDepth = controlDepth;
    return ComputeProfileFor(from);
}

}  // namespace

MixedProfileResult ComputeMixedProfile(const ProfileInputs& in, const MixedDepthTexts& depths) {
    MixedProfileResult out;
    out.refusal = MissingEndDepth(depths);
    if (out.refusal) return out;
    const std::unique_ptr<ChannelSection> section =
        ShapeOf(in.channelType).section(in.widthOrDiameter, in.sideSlopeOrHeight);
    const ProfileFailure geometryFailure{kInvalidGeometryTitle, section->ProfileFailureText()};
    try {
        FloatGuard guard;
        const float y1 = ReadLeadingSingle(depths.upstreamDepth);
        const float y2 = ReadLeadingSingle(depths.downstreamDepth);
        const float yc = section->CriticalDepth(in.flowrate, ProfileConstants(in.unitSystem).g);
        guard.Check();
        out.refusal = CheckEndDepths(y1, y2, yc, section->CrownDepth(), in.unitSystem);
        if (out.refusal) return out;

        const ProfileResult super = ProfileFrom(in, y1);
        const ProfileResult sub = ProfileFrom(in, y2);
        for (const ProfileResult* run : {&super, &sub}) {
            if (run->failure) {
                out.failure = run->failure;
                return out;
            }
        }
        out.normalDepth = super.summary.normalDepth;
        out.normalArea = super.summary.normalArea;
        out.criticalDepth = super.summary.criticalDepth;
        out.criticalArea = super.summary.criticalArea;
        out.upstreamProfileType = super.summary.profileType;
        out.downstreamProfileType = sub.summary.profileType;
        // Both end depths sit on their side of critical depth, so each run
        // went its own way; anything else is no mixed profile.
        if (super.summary.flowType != FlowTypeText(false) || sub.summary.flowType != FlowTypeText(true) ||
            super.table.empty() || sub.table.empty()) {
            throw ComputationError("End depths on the wrong side of critical depth");
        }
        MixedRun(*section, in, yc, guard, super, sub, out).Run();
        guard.Check();
    } catch (const std::exception&) {
        out.table.clear();
        out.jumpRow.reset();
        out.failure = geometryFailure;
    }
    return out;
}

}  // namespace rillo

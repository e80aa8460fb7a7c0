#include "documents/plot/long_section.h"

#include <algorithm>
#include <cmath>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "engine/profile_classification.h"
#include "engine/stationing.h"

namespace rillo {

namespace {

// Two stations closer than this are one: the table keeps three decimals.
constexpr double kSameStation = 0.0005;

const char* UnitOf(UnitSystem units) {
    return units == UnitSystem::English ? "ft" : "m";
}

double Finite(double value) {
    if (!std::isfinite(value)) throw ComputationError("a value of the profile is out of range");
    return value;
}

std::size_t DataRowCount(const ProfileTable& rows) {
    const auto end = std::find_if(rows.begin(), rows.end(),
                                  [](const ProfileRow& row) { return row.cells[kStationColumn].empty(); });
    return static_cast<std::size_t>(end - rows.begin());
}

// The conduit's height above its invert, for the closed shapes only.
std::optional<double> CrownHeight(const ProfileDocument& d) {
    const double diameter = ReadLeadingNumber(d.widthOrDiameter);
    double height = 0.0;
    if (d.channelType == ChannelType::Circular) {
        height = diameter;
    } else if (d.channelType == ChannelType::ElongatedCircular) {
        height = diameter + ReadLeadingNumber(d.sideSlopeOrHeight);
    }
    if (!(height > 0.0)) return std::nullopt;
    return height;
}

// The profile class as the results view showed it. A profile file does not
// keep it, so after Open it is classified again from the shown depths and the
// slope, as the computation classified them.
std::string ProfileClassOf(const ProfileDocument& d) {
    if (!d.summary.profileType.empty()) return d.summary.profileType;
    const std::optional<double> y0 = ParseWholeNumber(d.controlDepth);
    const std::optional<double> yc = ParseWholeNumber(d.summary.criticalDepth);
    const std::optional<double> slope = ParseWholeNumber(d.bottomSlope);
    if (!y0 || !yc || !slope) return {};
    const float s0 = static_cast<float>(*slope);
    const std::optional<double> normal = ParseWholeNumber(d.summary.normalDepth);
    const float yn = s0 > 0.0f && normal ? static_cast<float>(*normal) : 3.0f * static_cast<float>(*yc);
    if (s0 > 0.0f && !normal) return {};
    return ClassifyProfile(static_cast<float>(*y0), yn, static_cast<float>(*yc), s0);
}

// Builds the lines of the table's rows and the straight lines parallel to the bed.
class SectionBuilder {
   public:
    SectionBuilder(const ProfileDocument& d, const LongSectionSetup& setup) : d_(d), setup_(setup) {
        start_ = Finite(StationValue(d.startStation));
        end_ = Finite(StationValue(d.endStation));
        if (!(end_ > start_)) throw ComputationError("the end station must lie after the start station");
        slope_ = Finite(ReadLeadingNumber(d.bottomSlope));
        const std::string& typed = setup.startBedElevation;
        if (typed.find_first_not_of(" \t") == std::string::npos) {
            bedAtStart_ = slope_ * (end_ - start_);  // the downstream bed at 0
        } else {
            const std::optional<double> value = ParseWholeNumber(typed);
            if (!value) throw ComputationError("the bed elevation at the start station must be a number");
            bedAtStart_ = *value;
        }
        Finite(bedAtStart_);
    }

    double Bed(double station) const { return Finite(bedAtStart_ - slope_ * (station - start_)); }

    bool Shown(SectionLineKind kind) const { return setup_.show[static_cast<std::size_t>(kind)]; }

    // A line at a constant height above the bed over the whole reach.
    void AddParallel(LongSection& s, SectionLineKind kind, SectionLineStyle style, double height) const {
        if (!Shown(kind)) return;
        SectionLine line{kind, SectionLineName(kind), style, {}};
        for (double station : {start_, end_}) line.points.push_back({station, Finite(Bed(station) + height)});
        s.lines.push_back(std::move(line));
    }

    // A line through each row: the bed plus the row's value in `column`.
    void AddRowLine(LongSection& s, SectionLineKind kind, int column, std::size_t rows) const {
        if (!Shown(kind)) return;
        SectionLine line{kind, SectionLineName(kind), SectionLineStyle::Solid, {}};
        for (std::size_t r = 0; r < rows; ++r) {
            const ProfileRow& row = d_.table[r];
            const std::optional<double> value = ParseWholeNumber(row.cells[static_cast<std::size_t>(column)]);
            if (!value) continue;  // a row cut short keeps no value here
            const double station = Finite(StationValue(row.cells[kStationColumn]));
            line.points.push_back({station, Finite(Bed(station) + *value)});
        }
        s.lines.push_back(std::move(line));
    }

    double start_ = 0.0;
    double end_ = 0.0;
    double slope_ = 0.0;
    double bedAtStart_ = 0.0;

   private:
    const ProfileDocument& d_;
    const LongSectionSetup& setup_;
};

void MarkControlAndEnd(LongSection& s, const ProfileDocument& d, const SectionBuilder& b, std::size_t rows) {
    if (rows == 0) return;
    const ProfileRow& control = d.table.front();
    const double station = Finite(StationValue(control.cells[kStationColumn]));
    const double depth = ParseWholeNumber(control.cells[kDepthColumn]).value_or(0.0);
    s.control = {station, b.Bed(station), Finite(b.Bed(station) + depth),
                 "Control depth " + control.cells[kDepthColumn] + " " + UnitOf(d.unitSystem)};
    s.flowArrowStation = station;

    // The rows run from the control section towards the other end of the reach.
    const bool fromDownstream = std::abs(station - b.end_) < std::abs(station - b.start_);
    const double farEnd = fromDownstream ? b.start_ : b.end_;
    const double last = Finite(StationValue(d.table[rows - 1].cells[kStationColumn]));
    if (std::abs(last - farEnd) > kSameStation) {
        s.earlyEnd = SectionEarlyEnd{last, "profile ends at " + FormatStation(last).text};
    }
}

}  // namespace

const char* SectionLineName(SectionLineKind kind) {
    switch (kind) {
        case SectionLineKind::Bed: return "Bed";
        case SectionLineKind::WaterSurface: return "Water surface";
        case SectionLineKind::EnergyLine: return "Energy line";
        case SectionLineKind::NormalDepth: return "Normal depth";
        case SectionLineKind::CriticalDepth: return "Critical depth";
        case SectionLineKind::Crown: return "Crown";
    }
    return "";
}

LongSection BuildLongSection(const ProfileDocument& d, const LongSectionSetup& setup) {
    const SectionBuilder b(d, setup);
    LongSection s;
    const std::string unit = UnitOf(d.unitSystem);
    s.title = d.channelName;
    s.stationTitle = "Station, " + unit;
    s.elevationTitle = "Elevation, " + unit;
    s.profileClass = ProfileClassOf(d);
    s.flowType = d.summary.flowType;
    s.startStation = b.start_;
    s.endStation = b.end_;

    const std::size_t rows = DataRowCount(d.table);
    b.AddParallel(s, SectionLineKind::Bed, SectionLineStyle::Solid, 0.0);
    b.AddRowLine(s, SectionLineKind::WaterSurface, kDepthColumn, rows);
    b.AddRowLine(s, SectionLineKind::EnergyLine, kSpecificEnergyColumn, rows);
    // A slope that is not positive has no normal depth (the summary shows "----").
    const std::optional<double> normal = ParseWholeNumber(d.summary.normalDepth);
    if (normal && b.slope_ > 0.0) b.AddParallel(s, SectionLineKind::NormalDepth, SectionLineStyle::Dashed, *normal);
    if (const std::optional<double> critical = ParseWholeNumber(d.summary.criticalDepth))
        b.AddParallel(s, SectionLineKind::CriticalDepth, SectionLineStyle::Dotted, *critical);
    if (const std::optional<double> crown = CrownHeight(d))
        b.AddParallel(s, SectionLineKind::Crown, SectionLineStyle::Solid, *crown);
    MarkControlAndEnd(s, d, b, rows);

    s.lowestElevation = std::min(b.Bed(b.start_), b.Bed(b.end_));
    s.highestElevation = std::max(b.Bed(b.start_), b.Bed(b.end_));
    for (const SectionLine& line : s.lines) {
        for (const SectionPoint& p : line.points) {
            s.lowestElevation = std::min(s.lowestElevation, p.elevation);
            s.highestElevation = std::max(s.highestElevation, p.elevation);
        }
    }
    return s;
}

}  // namespace rillo

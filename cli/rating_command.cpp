#include "cli/rating_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iomanip>
#include <vector>

#include "cli/calculator_output.h"
#include "cli/profile_command.h"
#include "documents/report/table_text.h"

namespace rillo::cli {

namespace {

// FROM:TO:STEP into its three texts; nothing unless there are three parts.
std::optional<std::array<std::string, 3>> RangeParts(const std::string& range) {
    const std::size_t first = range.find(':');
    if (first == std::string::npos) return std::nullopt;
    const std::size_t second = range.find(':', first + 1);
    if (second == std::string::npos || range.find(':', second + 1) != std::string::npos) return std::nullopt;
    return std::array<std::string, 3>{range.substr(0, first), range.substr(first + 1, second - first - 1),
                                      range.substr(second + 1)};
}

void PrintAligned(const TextTable& table, std::ostream& out) {
    std::vector<std::size_t> widths(table.front().size(), 0);
    for (const auto& row : table)
        for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    for (const auto& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out << "  ";
            out << std::right << std::setw(static_cast<int>(widths[i])) << row[i];
        }
        out << "\n";
    }
}

}  // namespace

CLI::App* AddRatingCommand(CLI::App& app, RatingOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "rating",
        "Rating table of uniform flow: depth, flowrate, area, velocity, top width, wetted perimeter, "
        "hydraulic "
        "radius, Froude number, specific energy, critical depth and shear, by depth or by flowrate.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    AddShapeAndUnits(*cmd, o.shape, o.units);
    cmd->add_option("--format", o.format, "Output: text (aligned columns), tsv or csv")
        ->check(CLI::IsMember({"text", "tsv", "csv"}))
        ->capture_default_str();
    cmd->add_option(FieldOf(RatingField::Width).option, o.width,
                    "Bottom width (trapezoidal) or diameter (other shapes) (required)");
    cmd->add_option(
        FieldOf(RatingField::Side).option, o.side,
        "Side slope z (trapezoidal) or side height (elongated); absent: 0; ignored by the other shapes");
    cmd->add_option(FieldOf(RatingField::Roughness).option, o.n,
                    "Manning's roughness coefficient n (required)");
    cmd->add_option(FieldOf(RatingField::Slope).option, o.slope, "Bottom slope S (required)");
    o.depthsOption = cmd->add_option("--depths", o.depths, "Depths FROM:TO:STEP, ft or m");
    o.flowsOption = cmd->add_option("--flows", o.flows, "Flowrates FROM:TO:STEP, ft^3/s or m^3/s");
    return cmd;
}

int RunRatingCommand(const RatingOptions& o, std::ostream& out, std::ostream& err) {
    const bool byDepth = o.depthsOption->count() > 0;
    if (byDepth == (o.flowsOption->count() > 0)) {
        err << "rating: give either --depths or --flows, FROM:TO:STEP.\n";
        return kExitUsage;
    }
    const char* rangeOption = byDepth ? "--depths" : "--flows";
    const auto range = RangeParts(byDepth ? o.depths : o.flows);
    if (!range) {
        err << rangeOption << ": give FROM:TO:STEP, for example 0.5:5:0.5.\n";
        return kExitUsage;
    }
    const RatingInputTexts texts{o.width, o.side, o.n, o.slope, (*range)[0], (*range)[1], (*range)[2]};
    const std::vector<CalculatorField> fields = {TableField(RatingField::Width, texts.width),
                                                 TableField(RatingField::Side, texts.side),
                                                 TableField(RatingField::Roughness, texts.roughness),
                                                 TableField(RatingField::Slope, texts.slope),
                                                 TableField(RatingField::From, texts.from, rangeOption),
                                                 TableField(RatingField::To, texts.to, rangeOption),
                                                 TableField(RatingField::Step, texts.step, rangeOption)};
    if (!FieldTextsAccepted(fields, err)) return kExitUsage;

    const ChannelType shape = ShapeFromName(o.shape);
    const UnitSystem units = UnitsFromName(o.units);
    const RatingOutcome outcome =
        ComputeRatingTable(shape, units, byDepth ? RatingBy::Depth : RatingBy::Flowrate, texts);
    if (outcome.message) return ReportCalculatorMessage(*outcome.message, fields, err);

    if (o.format == "tsv") {
        std::vector<std::string> keys;
        for (const RatingColumn& column : RatingColumns()) keys.push_back(column.key);
        TextTable table{keys};
        for (const RatingRow& row : outcome.rows) table.emplace_back(row.begin(), row.end());
        for (const auto& row : table) {
            for (std::size_t i = 0; i < row.size(); ++i) out << (i ? "\t" : "") << row[i];
            out << "\n";
        }
        return kExitOk;
    }
    TextTable table{RatingHeadings(units)};
    for (const RatingRow& row : outcome.rows) table.emplace_back(row.begin(), row.end());
    if (o.format == "csv") {
        out << CommaSeparatedText(table);
    } else {
        PrintAligned(table, out);
    }
    return kExitOk;
}

}  // namespace rillo::cli

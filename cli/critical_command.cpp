#include "cli/critical_command.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/calculator_output.h"
#include "cli/profile_command.h"

namespace rillo::cli {

CLI::App* AddCriticalCommand(CLI::App& app, CriticalOptions& o) {
    CLI::App* cmd = app.add_subcommand("critical", "Critical depth and critical slope of a channel.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    AddShapeUnitsAndFormat(*cmd, o.shape, o.units, o.format);
    cmd->add_option(FieldOf(CriticalField::Flowrate).option, o.texts.flowrate, "Flowrate Q, ft^3/s or m^3/s (required)");
    cmd->add_option(FieldOf(CriticalField::Width).option, o.texts.width,
                    "Bottom width (trapezoidal) or diameter (other shapes) (required)");
    cmd->add_option(FieldOf(CriticalField::ManningN).option, o.texts.manningN, "Manning's roughness coefficient n (required)");
    cmd->add_option(FieldOf(CriticalField::Sides).option, o.texts.sides,
        "Side slope z (trapezoidal) or side height (elongated); absent: 0; ignored by the other shapes");
    return cmd;
}

int RunCriticalCommand(const CriticalOptions& o, std::ostream& out, std::ostream& err) {
    const ChannelType shape = ShapeFromName(o.shape);
    const UnitSystem units = UnitsFromName(o.units);
    if (!FieldTextsAccepted({TableField(CriticalField::Flowrate, o.texts.flowrate),
                             TableField(CriticalField::Width, o.texts.width),
                             TableField(CriticalField::ManningN, o.texts.manningN),
                             TableField(CriticalField::Sides, o.texts.sides)},
                            err)) {
        return kExitUsage;
    }
    CriticalOutcome outcome = ComputeCriticalDepthAndSlope(shape, units, o.texts, false);
    if (outcome.message && outcome.message->yesNoCancel) {
        WarnAndAccept(*outcome.message, err);
        outcome = ComputeCriticalDepthAndSlope(shape, units, o.texts, true);
    }

    const CriticalCaptions captions = CriticalCalculatorCaptions(shape, units);
    std::vector<CalculatorResultLine> lines;
    if (outcome.criticalDepth)
        lines.push_back({captions.criticalDepth, "critical_depth", *outcome.criticalDepth});
    if (outcome.criticalSlope)
        lines.push_back({kCriticalSlopeCaption, "critical_slope", *outcome.criticalSlope});
    PrintCalculatorResults(lines, o.format, out);
    if (outcome.criticalFlow) {
        std::vector<CalculatorResultLine> more;
        for (const CriticalFlowRow& row : CriticalFlowRows())
            more.push_back({captions.*row.caption, row.key, (*outcome.criticalFlow).*row.text});
        PrintMoreCalculatorResults(more, o.format, out);
    }
    if (!outcome.message) return kExitOk;

    const std::string missing = MissingOptionsHint(
        {{FieldOf(CriticalField::Flowrate).option, o.texts.flowrate},
         {FieldOf(CriticalField::Width).option, o.texts.width},
         {FieldOf(CriticalField::ManningN).option, o.texts.manningN}});
    return ReportCalculatorMessage(*outcome.message, err, missing);
}

}  // namespace rillo::cli

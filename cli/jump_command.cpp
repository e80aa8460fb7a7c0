#include "cli/jump_command.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/calculator_output.h"
#include "cli/profile_command.h"

namespace rillo::cli {

CLI::App* AddJumpCommand(CLI::App& app, JumpOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "jump",
        "Sequent depth, energy loss, length and type of a hydraulic jump from a supercritical depth.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    AddShapeUnitsAndFormat(*cmd, o.shape, o.units, o.format);
    cmd->add_option(FieldOf(JumpField::Flowrate).option, o.texts.flowrate, "Flowrate Q, ft^3/s or m^3/s (required)");
    cmd->add_option(FieldOf(JumpField::Width).option, o.texts.width,
                    "Bottom width (trapezoidal) or diameter (other shapes) (required)");
    cmd->add_option(FieldOf(JumpField::Sides).option, o.texts.sides,
        "Side slope z (trapezoidal) or side height (elongated); absent: 0; ignored by the other shapes");
    cmd->add_option(FieldOf(JumpField::UpstreamDepth).option, o.texts.upstreamDepth,
                    "Upstream depth Y1, the supercritical depth entering the jump (required)");
    return cmd;
}

int RunJumpCommand(const JumpOptions& o, std::ostream& out, std::ostream& err) {
    const ChannelType shape = ShapeFromName(o.shape);
    const UnitSystem units = UnitsFromName(o.units);
    const std::vector<CalculatorField> fields = {TableField(JumpField::Flowrate, o.texts.flowrate),
                                                 TableField(JumpField::Width, o.texts.width),
                                                 TableField(JumpField::Sides, o.texts.sides),
                                                 TableField(JumpField::UpstreamDepth, o.texts.upstreamDepth)};
    if (!FieldTextsAccepted(fields, err)) return kExitUsage;
    const JumpOutcome outcome = ComputeHydraulicJump(shape, units, o.texts);

    if (outcome.results) {
        const JumpCaptions c = JumpCalculatorCaptions(shape, units);
        const JumpResultTexts& r = *outcome.results;
        std::vector<CalculatorResultLine> lines;
        for (CalculatorResultLine line : std::vector<CalculatorResultLine>{
                 {c.sequentDepth, "sequent_depth", r.sequentDepth},
                 {c.upstreamFroude, "upstream_froude", r.upstreamFroude},
                 {c.downstreamFroude, "downstream_froude", r.downstreamFroude},
                 {c.upstreamVelocity, "upstream_velocity", r.upstreamVelocity},
                 {c.downstreamVelocity, "downstream_velocity", r.downstreamVelocity},
                 {c.energyLoss, "energy_loss", r.energyLoss},
                 {c.jumpLength, "jump_length", r.jumpLength},
                 {c.jumpType, "jump_type", r.jumpType}}) {
            // Past a conduit flowing full only the upstream side has values.
            if (!line.text.empty()) lines.push_back(std::move(line));
        }
        PrintCalculatorResults(lines, o.format, out);
    }
    if (!outcome.message) return kExitOk;
    if (outcome.message->text == kJumpIncompleteInputText) {
        const std::string missing = MissingOptionsHint(
            {{FieldOf(JumpField::Flowrate).option, o.texts.flowrate},
             {FieldOf(JumpField::Width).option, o.texts.width},
             {FieldOf(JumpField::UpstreamDepth).option, o.texts.upstreamDepth}});
        return ReportCalculatorMessage(*outcome.message, err, missing);
    }
    return ReportCalculatorMessage(*outcome.message, fields, err);
}

}  // namespace rillo::cli

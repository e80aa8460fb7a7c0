#include "cli/gate_command.h"

#include <CLI/CLI.hpp>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/gate_flow.h"
#include "cli/calculator_output.h"
#include "cli/profile_command.h"

namespace rillo::cli {

CLI::App* AddGateCommand(CLI::App& app, GateOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "gate", "Flowrate and velocity under a vertical, tainter or drum gate in a rectangular channel.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    AddUnitsAndFormatOptions(*cmd, o.units, o.format);
    cmd->add_option(FieldOf(GateField::UpstreamDepth).option, o.upstreamDepth, "Upstream depth Y1, ft or m");
    cmd->add_option(FieldOf(GateField::Width).option, o.width, "Gate width, ft or m");
    cmd->add_option(FieldOf(GateField::Opening).option, o.opening, "Gate opening, ft or m; less than the upstream depth");
    cmd->add_option(FieldOf(GateField::Coefficient).option, o.coefficient, "Gate (contraction) coefficient")->capture_default_str();
    return cmd;
}

int RunGateCommand(const GateOptions& o, std::ostream& out, std::ostream& err) {
    GateInputs in;
    in.units = UnitsFromName(o.units);
    in.upstreamDepth = o.upstreamDepth;
    in.width = o.width;
    in.opening = o.opening;
    in.coefficient = o.coefficient;

    const std::vector<CalculatorField> fields = {
        TableField(GateField::UpstreamDepth, in.upstreamDepth),
        TableField(GateField::Width, in.width),
        TableField(GateField::Opening, in.opening),
        TableField(GateField::Coefficient, in.coefficient),
    };
    if (!FieldTextsAccepted(fields, err)) return kExitUsage;
    const GateResult result = ComputeGateFlow(in);
    if (!result.ok()) return ReportCalculatorMessage(*result.message, fields, err);
    PrintCalculatorResults({{FlowrateCaption(in.units), "flowrate", result.flowrate},
                            {VelocityCaption(in.units), "velocity", result.velocity}},
                           o.format, out);
    return kExitOk;
}

}  // namespace rillo::cli

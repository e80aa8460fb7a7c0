#include "cli/orifice_command.h"

#include <CLI/CLI.hpp>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/orifice_flow.h"
#include "cli/calculator_output.h"
#include "cli/profile_command.h"

namespace rillo::cli {

CLI::App* AddOrificeCommand(CLI::App& app, OrificeOptions& o) {
    CLI::App* cmd = app.add_subcommand("orifice", "Flowrate through a circular or square orifice.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    cmd->add_option("--shape", o.shape, "Orifice shape")
        ->transform(CLI::IsMember({"circular", "square"}, CLI::ignore_case))
        ->capture_default_str();
    AddUnitsAndFormatOptions(*cmd, o.units, o.format);
    cmd->add_option(FieldOf(OrificeField::Size).option, o.size, "Diameter (circular) or side (square), ft or m");
    cmd->add_option(FieldOf(OrificeField::Head).option, o.head, "Head on the orifice, ft or m");
    cmd->add_option(FieldOf(OrificeField::Coefficient).option, o.coefficient, "Orifice discharge coefficient, typically 0.5 to 1.0")
        ->capture_default_str();
    return cmd;
}

int RunOrificeCommand(const OrificeOptions& o, std::ostream& out, std::ostream& err) {
    OrificeInputs in;
    in.shape = o.shape == "square" ? OrificeShape::Square : OrificeShape::Circular;
    in.units = UnitsFromName(o.units);
    in.size = o.size;
    in.coefficient = o.coefficient;
    in.head = o.head;

    const std::vector<CalculatorField> fields = {
        TableField(OrificeField::Size, in.size),
        TableField(OrificeField::Coefficient, in.coefficient),
        TableField(OrificeField::Head, in.head),
    };
    if (!FieldTextsAccepted(fields, err)) return kExitUsage;
    const OrificeResult result = ComputeOrificeFlow(in);
    if (!result.ok()) return ReportCalculatorMessage(*result.message, fields, err);
    PrintCalculatorResults({{FlowrateCaption(in.units), "flowrate", result.flowrate}}, o.format, out);
    return kExitOk;
}

}  // namespace rillo::cli

#include "cli/weir_command.h"

#include <CLI/CLI.hpp>

#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/weir_flow.h"
#include "cli/calculator_output.h"
#include "cli/profile_command.h"

namespace rillo::cli {

namespace {

WeirShape ShapeOf(const std::string& name) {
    if (name == "v-notch") return WeirShape::Triangular;
    if (name == "cipolletti") return WeirShape::Cipolletti;
    return WeirShape::Rectangular;
}

bool Given(const CLI::Option* option) {
    return option && option->count() > 0;
}

// Options that the window hides for this shape or tab: a script that gives
// one has asked for something other than what would be computed.
const char* OptionOutOfPlace(const WeirOptions& o) {
    const WeirShape shape = ShapeOf(o.shape);
    if (shape == WeirShape::Triangular && Given(o.lengthOption))
        return "--length: a V-notch weir takes its angle: use --angle.";
    if (shape != WeirShape::Triangular && Given(o.angleOption))
        return "--angle: only a V-notch weir has an angle: use --length.";
    if (o.broadCrested && (o.submerged || shape != WeirShape::Rectangular))
        return "--broad-crested: only a free-flowing rectangular weir can be broad-crested.";
    if (!o.submerged && Given(o.downstreamHeadOption))
        return "--downstream-head: only a submerged weir has a downstream head: add --submerged.";
    return nullptr;
}

}  // namespace

CLI::App* AddWeirCommand(CLI::App& app, WeirOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "weir", "Flowrate over a rectangular, V-notch or Cipolletti weir, free-flowing or submerged.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    cmd->add_option("--shape", o.shape, "Weir shape")
        ->transform(CLI::IsMember({"rectangular", "v-notch", "cipolletti"}, CLI::ignore_case))
        ->capture_default_str();
    cmd->add_flag("--submerged", o.submerged,
                  "Submerged flow: the free flow times (1 - (H2/H)^n)^0.385, n = 3/2 (5/2 for a v-notch); needs --downstream-head");
    cmd->add_flag("--broad-crested", o.broadCrested,
                  "Broad-crested (free-flowing rectangular weir only); otherwise sharp-crested");
    AddUnitsAndFormatOptions(*cmd, o.units, o.format);
    CLI::Option* length =
        cmd->add_option(FieldOf(WeirField::Length).option, o.length, "Weir length, ft or m (rectangular, cipolletti)");
    CLI::Option* angle =
        cmd->add_option(FieldOf(WeirField::Angle).option, o.angle, "V-notch angle in degrees, less than 180 (v-notch)");
    length->excludes(angle);
    o.lengthOption = length;
    o.angleOption = angle;
    cmd->add_option(FieldOf(WeirField::Head).option, o.head, "Upstream head over the crest, ft or m");
    cmd->add_option(FieldOf(WeirField::Coefficient).option, o.coefficient, "Weir coefficient")->capture_default_str();
    o.downstreamHeadOption =
        cmd->add_option(FieldOf(WeirField::DownstreamHead).option, o.downstreamHead, "Downstream head, ft or m (with --submerged)");
    return cmd;
}

int RunWeirCommand(const WeirOptions& o, std::ostream& out, std::ostream& err) {
    if (const char* problem = OptionOutOfPlace(o)) {
        err << problem << "\n";
        return kExitUsage;
    }
    WeirInputs in;
    in.shape = ShapeOf(o.shape);
    in.submerged = o.submerged;
    in.broadCrested = o.broadCrested;
    in.units = UnitsFromName(o.units);
    const bool vNotch = in.shape == WeirShape::Triangular;
    in.lengthOrAngle = vNotch ? o.angle : o.length;
    in.head = o.head;
    in.coefficient = o.coefficient;
    in.downstreamHead = o.submerged ? o.downstreamHead : std::string();

    std::vector<CalculatorField> fields = {
        TableField(vNotch ? WeirField::Angle : WeirField::Length, in.lengthOrAngle),
        TableField(WeirField::Head, in.head),
        TableField(WeirField::Coefficient, in.coefficient),
        TableField(WeirField::DownstreamHead, in.downstreamHead),
    };
    if (!FieldTextsAccepted(fields, err)) return kExitUsage;
    WeirResult result = ComputeWeirFlow(in);
    if (result.message && result.message->yesNoCancel) {
        // A script cannot answer the question: warn and go on with the value given.
        WarnAndAccept(*result.message, err);
        in.coefficientAccepted = true;
        result = ComputeWeirFlow(in);
    }
    if (!result.ok()) return ReportCalculatorMessage(*result.message, fields, err);
    PrintCalculatorResults({{FlowrateCaption(in.units), "flowrate", result.flowrate}}, o.format, out);
    return kExitOk;
}

}  // namespace rillo::cli

#include "cli/manning_command.h"

#include <CLI/CLI.hpp>
#include <map>
#include <vector>

#include "calculators/formulas/manning_calculator.h"
#include "cli/calculator_output.h"
#include "cli/profile_command.h"

namespace rillo::cli {

namespace {

const std::map<std::string, ManningUnknown> kUnknowns = {
    {"depth", ManningUnknown::Depth},
    {"flow", ManningUnknown::Flowrate},
    {"slope", ManningUnknown::Slope},
    {"roughness", ManningUnknown::Roughness},
};

// A field's text and the option it came from.
struct FieldSource {
    const std::string* text;
    const char* option;
};

// The options that fill the flowrate, roughness and slope fields on the tab: the depth takes the
// place of the unknown.
struct TabFields {
    FieldSource flowField, roughnessField, slopeField;
    const CLI::Option* unknownOption;
    const char* unknownName;
};

TabFields FieldsOfTab(ManningUnknown unknown, const ManningOptions& o) {
    const FieldSource flow{&o.flow, FieldOf(ManningField::Flowrate).option},
        depth{&o.depth, kManningDepthOption}, n{&o.n, FieldOf(ManningField::Roughness).option},
        slope{&o.slope, FieldOf(ManningField::Slope).option};
    switch (unknown) {
        case ManningUnknown::Flowrate: return {depth, n, slope, o.flowOption, flow.option};
        case ManningUnknown::Slope: return {flow, n, depth, o.slopeOption, slope.option};
        case ManningUnknown::Roughness: return {flow, depth, slope, o.nOption, n.option};
        case ManningUnknown::Depth: break;
    }
    return {flow, n, slope, o.depthOption, depth.option};
}

const char* UnknownKey(ManningUnknown unknown) {
    switch (unknown) {
        case ManningUnknown::Flowrate: return "flow";
        case ManningUnknown::Slope: return "slope";
        case ManningUnknown::Roughness: return "roughness";
        case ManningUnknown::Depth: break;
    }
    return "depth";
}

}  // namespace

CLI::App* AddManningCommand(CLI::App& app, ManningOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "manning",
        "Manning's equation: depth, flowrate, slope or roughness of uniform flow, with the velocity, "
        "area, wetted perimeter and hydraulic radius.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    cmd->add_option("--solve", o.solve, "The unknown: depth, flow, slope or roughness")
        ->transform(CLI::IsMember({"depth", "flow", "slope", "roughness"}, CLI::ignore_case))
        ->capture_default_str();
    AddShapeUnitsAndFormat(*cmd, o.shape, o.units, o.format);
    o.flowOption = cmd->add_option(FieldOf(ManningField::Flowrate).option, o.flow, "Flowrate Q, ft^3/s or m^3/s (not with --solve flow)");
    o.depthOption = cmd->add_option(kManningDepthOption, o.depth, "Depth of flow, ft or m (not with --solve depth)");
    cmd->add_option(FieldOf(ManningField::Width).option, o.width, "Bottom width (trapezoidal) or diameter (other shapes)");
    o.nOption = cmd->add_option(FieldOf(ManningField::Roughness).option, o.n, "Manning's roughness coefficient n (not with --solve roughness)");
    o.slopeOption = cmd->add_option(FieldOf(ManningField::Slope).option, o.slope, "Bottom slope S (not with --solve slope)");
    cmd->add_option(FieldOf(ManningField::Side).option, o.side,
        "Side slope z (trapezoidal) or side height (elongated); absent: 0; ignored by the other shapes");
    return cmd;
}

int RunManningCommand(const ManningOptions& o, std::ostream& out, std::ostream& err) {
    const ManningUnknown unknown = kUnknowns.at(o.solve);
    const ChannelType shape = ShapeFromName(o.shape);
    const UnitSystem units = UnitsFromName(o.units);
    const TabFields tab = FieldsOfTab(unknown, o);
    if (tab.unknownOption && tab.unknownOption->count() > 0) {
        err << tab.unknownName << ": this is what --solve " << o.solve << " computes; leave it out.\n";
        return kExitUsage;
    }

    if (!FieldTextsAccepted({TableField(ManningField::Flowrate, *tab.flowField.text, tab.flowField.option),
                             TableField(ManningField::Width, o.width),
                             TableField(ManningField::Roughness, *tab.roughnessField.text, tab.roughnessField.option),
                             TableField(ManningField::Side, o.side),
                             TableField(ManningField::Slope, *tab.slopeField.text, tab.slopeField.option)},
                            err)) {
        return kExitUsage;
    }
    const ManningInputTexts texts{*tab.flowField.text, o.width, *tab.roughnessField.text, o.side,
                                  *tab.slopeField.text};
    const ManningOutcome outcome = ComputeManning(unknown, shape, units, texts);
    if (outcome.message) {
        const std::string missing = MissingOptionsHint({{tab.flowField.option, *tab.flowField.text},
                                                        {FieldOf(ManningField::Width).option, o.width},
                                                        {tab.roughnessField.option, *tab.roughnessField.text},
                                                        {tab.slopeField.option, *tab.slopeField.text}});
        return ReportCalculatorMessage(*outcome.message, err, missing);
    }

    const ManningCaptions captions = ManningCalculatorCaptions(unknown, shape, units);
    const ManningResultTexts& r = *outcome.results;
    PrintCalculatorResults({{captions.unknown, UnknownKey(unknown), r.unknown},
                            {captions.velocity, "velocity", r.velocity},
                            {captions.area, "area", r.area},
                            {captions.wettedPerimeter, "wetted_perimeter", r.wettedPerimeter},
                            {captions.hydraulicRadius, "hydraulic_radius", r.hydraulicRadius}},
                           o.format, out);
    const DesignQuantityCaptions design = DesignCaptions(units);
    std::vector<CalculatorResultLine> more;
    for (const DesignRow& row : DesignRows()) {
        // A conduit's capacities only for a conduit.
        if (!((*outcome.design).*row.text).empty()) more.push_back({design.*row.caption, row.key, (*outcome.design).*row.text});
    }
    PrintMoreCalculatorResults(more, o.format, out);
    return kExitOk;
}

}  // namespace rillo::cli

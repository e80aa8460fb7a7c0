#include "cli/mixed_command.h"

#include <CLI/CLI.hpp>
#include <iomanip>
#include <utility>
#include <vector>

#include "cli/field_text_check.h"
#include "cli/profile_printer.h"

namespace rillo::cli {

namespace {

// The summary lines: caption or tsv key, and text. Empty texts are left out
// (a jump beyond an end has no depths).
struct SummaryLine {
    std::string caption;
    std::string key;
    std::string text;
};

std::vector<SummaryLine> SummaryOf(const MixedProfileResult& r, UnitSystem units) {
    const MixedCaptions c = MixedProfileCaptions(units);
    std::vector<SummaryLine> lines = {{c.normalDepth, "normal_depth", r.normalDepth},
                                      {c.criticalDepth, "critical_depth", r.criticalDepth}};
    if (!r.jumpInReach()) {
        lines.push_back({c.jumpStation, "jump_station", "none"});
        lines.push_back({"Jump:", "jump_note", r.jumpNote});
        return lines;
    }
    for (SummaryLine line :
         std::vector<SummaryLine>{{c.jumpStation, "jump_station", r.jumpStation},
                                  {c.jumpUpstreamDepth, "jump_upstream_depth", r.jumpUpstreamDepth},
                                  {c.jumpDownstreamDepth, "jump_downstream_depth", r.jumpDownstreamDepth},
                                  {c.energyLoss, "energy_loss", r.energyLoss},
                                  {c.jumpLength, "jump_length", r.jumpLength}}) {
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

void PrintMixedProfile(const MixedProfileResult& r, UnitSystem units, const std::string& format,
                       std::ostream& out) {
    const std::vector<SummaryLine> lines = SummaryOf(r, units);
    if (format == "tsv") {
        for (const SummaryLine& line : lines) out << line.key << '\t' << line.text << '\n';
        out << '\n';
        PrintTsvRows(r.table, out);
        return;
    }
    for (const SummaryLine& line : lines)
        out << std::left << std::setw(28) << line.caption << line.text << '\n';
    out << '\n';
    std::vector<std::string> marks;
    for (std::size_t row = 0; row < r.table.size(); ++row) marks.push_back(JumpRowMark(r, row));
    PrintTextTable(r.table, units, out, marks);
}

CLI::App* AddMixedCommand(CLI::App& app, MixedOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "mixed",
        "Compute a reach held supercritical upstream and subcritical downstream, and locate its jump.");
    AddProfileInputOptions(*cmd, o.profile, false);
    const std::pair<MixedDepthField, std::string*> depths[] = {
        {MixedDepthField::Upstream, &o.depths.upstreamDepth},
        {MixedDepthField::Downstream, &o.depths.downstreamDepth}};
    const char* const help[] = {
        "Upstream depth Y1, the supercritical depth entering the reach (below a gate)",
        "Downstream depth Y2, the subcritical depth at the end of the reach (a tailwater)"};
    for (const auto& [id, text] : depths) {
        const FormField<MixedDepthField>& field = FieldOf(id);
        CLI::Option* option = cmd->add_option(field.option, *text, help[static_cast<int>(id)]);
        if (field.required) option->required();
    }
    cmd->add_option("--format", o.profile.format, "Output: text (jump and table) or tsv")
        ->check(CLI::IsMember({"text", "tsv"}))
        ->capture_default_str();
    return cmd;
}

int CheckAndComputeMixed(const MixedOptions& o, MixedProfileResult& result, std::ostream& err) {
    ProfileInputs inputs;
    const ProfileOutcome checked = CheckProfileOptions(o.profile, inputs);
    if (!checked.warning.empty()) err << "Warning: " << checked.warning << "\n";
    if (checked.status != kExitOk) {
        err << checked.RefusalLine() << "\n";
        return checked.status;
    }
    const std::vector<OptionField> depthFields = {
        TableField(MixedDepthField::Upstream, o.depths.upstreamDepth),
        TableField(MixedDepthField::Downstream, o.depths.downstreamDepth)};
    if (const std::optional<RefusedField> refused = FirstRefusedField(depthFields)) {
        err << refused->option << ": " << refused->message << "\n";
        return kExitUsage;
    }
    result = ComputeMixedProfile(inputs, o.depths);
    if (result.refusal) {
        err << FieldOf(result.refusal->field).option << ": " << result.refusal->title << ": "
            << OneLine(result.refusal->text) << "\n";
        return kExitUsage;
    }
    if (result.failure) {
        err << FailureLine(*result.failure) << "\n";
        return result.failure->depthBeyondSearch ? kExitUsage : kExitComputationFailed;
    }
    return kExitOk;
}

int RunMixedCommand(const MixedOptions& o, std::ostream& out, std::ostream& err) {
    MixedProfileResult result;
    const int status = CheckAndComputeMixed(o, result, err);
    if (status != kExitOk) return status;
    if (!result.earlyEndNote.empty()) err << result.earlyEndNote << "\n";
    PrintMixedProfile(result, UnitsFromName(o.profile.units), o.profile.format, out);
    return kExitOk;
}

}  // namespace rillo::cli

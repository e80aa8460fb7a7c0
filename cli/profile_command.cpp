#include "cli/profile_command.h"

#include <CLI/CLI.hpp>
#include <map>
#include <stdexcept>

#include "cli/calculator_output.h"
#include "cli/field_text_check.h"
#include "cli/profile_file_output.h"
#include "engine/numeric_field_text.h"
#include "engine/product_version.h"
#include "engine/profile_fields.h"
#include "sections/channel_shapes.h"
#include "sections/profile_dispatch.h"
#include "sections/profile_input_check.h"

namespace rillo::cli {

namespace {

const std::map<std::string, UnitSystem> kUnits = {
    {"english", UnitSystem::English},
    {"si", UnitSystem::SI},
};

// A refusal with no title reads as its text alone on the command line and
// under the application's title elsewhere.
ProfileOutcome Refused(ProfileOutcome& outcome, std::string option, std::optional<InputField> field,
                       const std::string& title, std::string text) {
    outcome.status = kExitUsage;
    outcome.refusedOption = std::move(option);
    outcome.refusal = title.empty() ? text : title + ": " + text;
    outcome.refusedField = field;
    outcome.refusalTitle = title.empty() ? std::string(kProductTitle) : title;
    outcome.refusalText = std::move(text);
    return outcome;
}

}  // namespace

ChannelType ShapeFromName(const std::string& name) {
    const ChannelShape* shape = ShapeWithWord(name);
    if (!shape) throw std::out_of_range("not a channel shape: " + name);
    return shape->type;
}

std::vector<std::string> ShapeWords() {
    std::vector<std::string> words;
    for (const ChannelShape& shape : kChannelShapes) words.emplace_back(shape.word);
    return words;
}

UnitSystem UnitsFromName(const std::string& name) {
    return kUnits.at(name);
}

std::string UnitsName(UnitSystem units) {
    for (const auto& [name, system] : kUnits) {
        if (system == units) return name;
    }
    return "";
}

bool IsUnitsName(const std::string& name) {
    return kUnits.count(name) > 0;
}

const char* OptionName(InputField field) {
    return FieldOf(field).option;
}

std::string StationsOption() {
    return std::string(OptionName(InputField::StartStation)) + "/" + OptionName(InputField::EndStation);
}

void AddShapeOption(CLI::App& command, std::string& shape) {
    command.add_option("--shape", shape, "Channel shape")
        ->transform(CLI::IsMember(ShapeWords(), CLI::ignore_case))
        ->capture_default_str();
}

void AddProfileInputOptions(CLI::App& cmd, ProfileOptions& o, bool withControlDepth) {
    o.texts.startStation = kDefaultStartStation;
    // As in most command lines, an option given twice takes its last value.
    cmd.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    AddShapeOption(cmd, o.shape);
    AddUnitsOption(cmd, o.units);
    for (InputField id : kProfileOptionOrder) {
        if (id == InputField::ControlDepth && !withControlDepth) continue;
        const ProfileField& field = FieldOf(id);
        std::string& text = o.texts.*field.text;
        CLI::Option* option = cmd.add_option(field.option, text, field.help);
        if (field.required) option->required();
        if (!text.empty()) option->capture_default_str();  // the start station's default
    }
}

CLI::App* AddProfileCommand(CLI::App& app, ProfileOptions& o) {
    CLI::App* cmd = app.add_subcommand("profile", "Compute a steady water-surface profile of a reach.");
    AddProfileInputOptions(*cmd, o, true);
    cmd->add_option("--name", o.name, "Channel name; absent: the shape's name, e.g. \"Circular Channel\"");
    cmd->add_option("--format", o.format,
                    "Output: text (summary and table), tsv, or flo (the program's profile file)")
        ->check(CLI::IsMember({"text", "tsv", "flo"}))
        ->capture_default_str();
    return cmd;
}

ProfileOutcome CheckProfileOptions(const ProfileOptions& o, ProfileInputs& checked) {
    const ChannelType shape = ShapeFromName(o.shape);
    const UnitSystem units = UnitsFromName(o.units);
    ProfileOutcome outcome;
    auto refuse = [&outcome](std::string option, std::optional<InputField> field, const std::string& title,
                             std::string text) {
        return Refused(outcome, std::move(option), field, title, std::move(text));
    };
    // A text the inputs view's fields would refuse is never read as a guess.
    // The stations follow stationing notation, which the input checks read.
    std::vector<OptionField> numbers;
    for (const ProfileField& field : FormFieldsOf(InputField{})) {
        if (field.keys != FieldKeys::Station) numbers.push_back(TableField(field.id, o.texts.*field.text));
    }
    if (std::optional<RefusedField> refused = FirstRefusedField(numbers)) {
        // The message is the field's "Input Error: ..." under its title.
        const std::optional<InputField> field = refused->field.As<InputField>();
        const std::string prefix = std::string(kInputErrorTitle) + ": ";
        std::string text = refused->message.rfind(prefix, 0) == 0 ? refused->message.substr(prefix.size())
                                                                  : refused->message;
        return refuse(refused->option, field, kInputErrorTitle, std::move(text));
    }
    InputCheckResult check = CheckProfileInputs(o.texts, shape, units, false);
    if (check.outcome == InputCheckOutcome::ManningWarning) {
        // A script cannot answer the question: warn and go on with the value given.
        outcome.warning = check.title + ": " + OneLine(check.text);
        check = CheckProfileInputs(o.texts, shape, units, true);
    }
    switch (check.outcome) {
        case InputCheckOutcome::Ready: break;
        case InputCheckOutcome::EqualStations:
            return refuse(OptionName(InputField::EndStation), InputField::EndStation, "",
                          "the start and end stations are equal, so the reach has no length.");
        case InputCheckOutcome::Unreadable:
            if (check.field == InputField::StartStation || check.field == InputField::EndStation) {
                return refuse(StationsOption(), std::nullopt, "",
                              "a station is not a number in stationing notation (" + check.text + ").");
            }
            return refuse(OptionName(check.field), check.field, "",
                          "the number is out of range (" + check.text + ").");
        default:
            return refuse(OptionName(check.field), check.field,
                          check.title.empty() ? std::string(kProductTitle) : check.title,
                          OneLine(check.text));
    }
    checked = check.inputs;
    return outcome;
}

ProfileOutcome CheckAndComputeProfile(const ProfileOptions& o) {
    ProfileInputs inputs;
    ProfileOutcome outcome = CheckProfileOptions(o, inputs);
    if (outcome.status != kExitOk) return outcome;
    outcome.result = ComputeProfileFor(inputs);
    if (const std::optional<ProfileFailure>& failure = outcome.result.failure) {
        // A depth beyond the searches is an answer the inputs cannot have, not a failed run.
        if (failure->depthBeyondSearch)
            return Refused(outcome, "", std::nullopt, failure->title, OneLine(failure->text));
        outcome.status = kExitComputationFailed;
    }
    return outcome;
}

std::string ProfileOutcome::RefusalLine() const {
    return refusedOption.empty() ? refusal : refusedOption + ": " + refusal;
}

ProfileReport ReportOf(const ProfileOptions& o, const ProfileResult& result) {
    return {"", UnitsFromName(o.units), result.summary, result.controlDepthText, result.table};
}

std::string FailureLine(const ProfileFailure& failure) {
    return failure.title + ": " + OneLine(failure.text);
}

int RunProfileCommand(const ProfileOptions& o, std::ostream& out, std::ostream& err) {
    const ProfileOutcome outcome = CheckAndComputeProfile(o);
    if (!outcome.warning.empty()) err << "Warning: " << outcome.warning << "\n";
    if (outcome.status == kExitUsage) {
        err << outcome.RefusalLine() << "\n";
        return kExitUsage;
    }
    const ProfileResult& result = outcome.result;
    if (!result.earlyEndNote.empty()) err << result.earlyEndNote << "\n";
    if (o.format == "flo") return PrintProfileFile(o, result, out, err);
    PrintReport(ReportOf(o, result), o.format == "tsv" ? OutputFormat::Tsv : OutputFormat::Text, out);
    if (!result.ok()) {
        err << FailureLine(*result.failure) << "\n";
        return kExitComputationFailed;
    }
    return kExitOk;
}

}  // namespace rillo::cli

#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/profile_printer.h"
#include "engine/input_checks.h"
#include "engine/units.h"
#include "sections/channel_shapes.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// The profile command's options, as the texts an engineer would type into the
// inputs view.
struct ProfileOptions {
    std::string shape{kChannelShapes.front().word};
    std::string units = "english";      // english or si
    ProfileInputTexts texts;
    std::string format = "text";
    std::string name;  // the channel name; empty: the shape's display name
};

// The start station when none is given: the upstream end at zero.
inline constexpr const char* kDefaultStartStation = "0+00.000";

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitComputationFailed = 1;
inline constexpr int kExitUsage = 2;

// Adds the "profile" subcommand and its options to the application.
CLI::App* AddProfileCommand(CLI::App& app, ProfileOptions& options);

// Adds --shape, --units and the profile's input options from its field
// table; the control depth's only when asked.
void AddProfileInputOptions(CLI::App& command, ProfileOptions& options, bool withControlDepth);

// Checks the inputs as the Compute command does and computes the profile.
// Writes the result to `out`, messages to `err`; returns the exit status.
int RunProfileCommand(const ProfileOptions& options, std::ostream& out, std::ostream& err);

// One profile through the profile command's checks and computation, before
// anything is printed.
struct ProfileOutcome {
    // kExitOk, kExitComputationFailed (the computation failed part way or at
    // once) or kExitUsage (an input was refused, or a depth lies beyond the
    // searches; nothing was computed).
    int status = kExitOk;
    // A roughness of 0.15 or more, used as given: the question's title and text.
    std::string warning;
    // A refused input: the option of its field ("--flow") and the message
    // that follows it ("Insufficient Input Data: You must enter ..."). No
    // option when no one input is at fault (a depth beyond the searches).
    std::string refusedOption;
    std::string refusal;
    // The same refusal as the program's message box would title and word it,
    // with the field to blame (none when both stations are).
    std::string refusalTitle;
    std::string refusalText;
    std::optional<InputField> refusedField;
    ProfileResult result;

    // "--flow: Insufficient Input Data: ...", or the refusal alone.
    std::string RefusalLine() const;
};

// The shape and units words must be the options' own (lower case).
ProfileOutcome CheckAndComputeProfile(const ProfileOptions& options);
// The same checks alone: on kExitOk, `checked` holds the inputs to compute
// from (and the outcome has no result yet).
ProfileOutcome CheckProfileOptions(const ProfileOptions& options, ProfileInputs& checked);

// What the profile command prints of a computed profile.
ProfileReport ReportOf(const ProfileOptions& options, const ProfileResult& result);

// A failed computation's message on one line: "Invalid Channel Geometry: A ...".
std::string FailureLine(const ProfileFailure& failure);

// The shape of a --shape word (lower case); throws std::out_of_range for
// a word that is none.
ChannelType ShapeFromName(const std::string& name);
UnitSystem UnitsFromName(const std::string& name);
// The option words of a unit system: the inverse of the above.
std::string UnitsName(UnitSystem units);
// Whether a word is one of the --units words (lower case).
bool IsUnitsName(const std::string& name);

// Adds --shape, taking the shapes' words in any letter case.
void AddShapeOption(CLI::App& command, std::string& shape);

// The option that holds a field, for messages: "--flow" for the flowrate.
const char* OptionName(InputField field);
// Both stations' options, for a message about either: "--start/--end".
std::string StationsOption();

}  // namespace rillo::cli

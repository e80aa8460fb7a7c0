#pragma once

#include <ostream>

#include "calculators/formulas/mixed_profile.h"
#include "cli/profile_command.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// The mixed command's options: the profile's inputs but its control depth,
// and the two end depths.
struct MixedOptions {
    ProfileOptions profile;
    MixedDepthTexts depths;
};

// Adds the "mixed" subcommand and its options to the application.
CLI::App* AddMixedCommand(CLI::App& app, MixedOptions& options);

// Checks the inputs as the profile command does, then the end depths, and
// computes. Writes the warning and message lines to `err` ("Warning: ...",
// "--upstream-depth: Upstream Depth Error: ..."); returns the exit status.
int CheckAndComputeMixed(const MixedOptions& options, MixedProfileResult& result, std::ostream& err);

// text: the jump's captions and values, then the table with the jump's rows
// marked; tsv: key<TAB>text lines, an empty line and the table's lines as the
// profile command prints them. No jump in the reach: jump_station "none" and
// jump_note saying which end.
void PrintMixedProfile(const MixedProfileResult& result, UnitSystem units, const std::string& format,
                       std::ostream& out);

// CheckAndComputeMixed, then PrintMixedProfile.
int RunMixedCommand(const MixedOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

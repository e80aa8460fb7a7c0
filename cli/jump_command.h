#pragma once

#include <ostream>
#include <string>

#include "calculators/formulas/hydraulic_jump.h"
#include "sections/channel_shapes.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// The jump command's options: the hydraulic jump calculator's fields as typed.
struct JumpOptions {
    std::string shape{kChannelShapes.front().word};
    std::string units = "english";
    JumpInputTexts texts;
    std::string format = "text";
};

// Adds the "jump" subcommand and its options to the application.
CLI::App* AddJumpCommand(CLI::App& app, JumpOptions& options);

// Computes as the hydraulic jump calculator does and prints its results; a
// conduit that would flow full prints the upstream results, then the message.
// Returns the exit status.
int RunJumpCommand(const JumpOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

#pragma once

#include <ostream>
#include <string>

#include "calculators/formulas/critical_depth_calculator.h"
#include "sections/channel_shapes.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// The critical command's options: the calculator's fields as typed.
struct CriticalOptions {
    std::string shape{kChannelShapes.front().word};
    std::string units = "english";
    CriticalInputTexts texts;
    std::string format = "text";
};

// Adds the "critical" subcommand and its options to the application.
CLI::App* AddCriticalCommand(CLI::App& app, CriticalOptions& options);

// Computes as the critical depth and slope calculator does and prints its two
// results; a roughness warning goes to `err` and the computation goes on.
// Returns the exit status.
int RunCriticalCommand(const CriticalOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace rillo::cli {

// The gate command's options: the underflow gate window's fields.
struct GateOptions {
    std::string units = "english";
    std::string upstreamDepth;
    std::string width;
    std::string opening;
    std::string coefficient = "0.61";
    std::string format = "text";
};

// Adds the "gate" subcommand and its options to the application.
CLI::App* AddGateCommand(CLI::App& app, GateOptions& options);

// Computes the flowrate and velocity under the gate as the window's Compute does.
int RunGateCommand(const GateOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

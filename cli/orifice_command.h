#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace rillo::cli {

// The orifice command's options: the window's shape and fields.
struct OrificeOptions {
    std::string shape = "circular";  // circular or square
    std::string units = "english";
    std::string size;  // the diameter, or the side of the square
    std::string head;
    std::string coefficient = "0.61";
    std::string format = "text";
};

// Adds the "orifice" subcommand and its options to the application.
CLI::App* AddOrificeCommand(CLI::App& app, OrificeOptions& options);

// Computes the flowrate through the orifice as the window's Compute does.
int RunOrificeCommand(const OrificeOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

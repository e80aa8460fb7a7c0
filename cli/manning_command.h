#pragma once

#include <ostream>
#include <string>

#include "sections/channel_shapes.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace rillo::cli {

// The manning command's options. Each quantity goes into the calculator field
// that holds it on the chosen tab; an option left out is an empty field.
struct ManningOptions {
    std::string solve = "depth";  // depth, flow, slope or roughness
    std::string shape{kChannelShapes.front().word};
    std::string units = "english";
    std::string flow, depth, width, n, slope, side;
    std::string format = "text";
    // Whether each quantity option was given, to refuse the unknown itself.
    const CLI::Option* flowOption = nullptr;
    const CLI::Option* depthOption = nullptr;
    const CLI::Option* nOption = nullptr;
    const CLI::Option* slopeOption = nullptr;
};

// Adds the "manning" subcommand and its options to the application.
CLI::App* AddManningCommand(CLI::App& app, ManningOptions& options);

// Solves Manning's equation as the calculator does on the tab of --solve and
// prints the unknown, the velocity, area, wetted perimeter and hydraulic
// radius. Returns the exit status.
int RunManningCommand(const ManningOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

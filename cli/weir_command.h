#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace rillo::cli {

// The weir command's options: the window's shape, tab, check box and fields.
struct WeirOptions {
    std::string shape = "rectangular";  // rectangular, v-notch or cipolletti
    bool submerged = false;
    bool broadCrested = false;
    std::string units = "english";
    std::string length;  // the weir length (rectangular, Cipolletti)
    std::string angle;   // the V-notch angle in degrees
    std::string head;
    std::string coefficient = "0.61";
    std::string downstreamHead;
    std::string format = "text";
    // Filled by AddWeirCommand: which of the shape- and tab-bound options were given.
    const CLI::Option* lengthOption = nullptr;
    const CLI::Option* angleOption = nullptr;
    const CLI::Option* downstreamHeadOption = nullptr;
};

// Adds the "weir" subcommand and its options to the application.
CLI::App* AddWeirCommand(CLI::App& app, WeirOptions& options);

// Computes the flowrate over the weir as the window's Compute does.
int RunWeirCommand(const WeirOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

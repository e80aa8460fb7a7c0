#pragma once

#include <ostream>
#include <string>

#include "calculators/formulas/rating_table.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace rillo::cli {

// The rating command's options: the Rating Table window's fields as typed,
// the range as FROM:TO:STEP of depths or of flowrates.
struct RatingOptions {
    std::string shape = "trapezoidal";
    std::string units = "english";
    std::string width, side, n, slope;
    std::string depths, flows;
    std::string format = "text";
    const CLI::Option* depthsOption = nullptr;
    const CLI::Option* flowsOption = nullptr;
};

// Adds the "rating" subcommand and its options to the application.
CLI::App* AddRatingCommand(CLI::App& app, RatingOptions& options);

// Computes the rating table as the Rating Table window does and prints it:
// text (aligned columns under the headings), tsv (a line of keys, then one
// line per row) or csv (the headings with units, then the rows, as the
// window's Export CSV writes). Returns the exit status.
int RunRatingCommand(const RatingOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

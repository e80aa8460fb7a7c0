#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace rillo::testing {

// One in-process run of the command-line front end.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The trapezoid of the worked example, every option written out.
inline const std::vector<std::string> kWorkedExample = {
    "profile", "--shape", "trapezoidal", "--units", "english", "--start", "0+00.000", "--end", "10+00.000",
    "--flow", "100", "--width", "10", "--n", "0.013", "--slope", "0.001", "--side", "2"};

// The arguments followed by more; a repeated option takes its last value.
inline std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

inline CliRun RunRilloCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CliRun run;
    run.status = rillo::cli::RunCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// The lines of a text, without their line ends.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The tab-separated fields of a line.
inline std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.push_back("");
    return fields;
}

}  // namespace rillo::testing

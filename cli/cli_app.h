#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace rillo::cli {

// Runs the command-line front end on `args` (without the program name),
// writing results to `out` and messages to `err`; returns the exit status:
// 0 success, 1 a computation that failed, 2 bad usage or a refused input.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

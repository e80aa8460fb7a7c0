#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace rillo::cli {

// The show command's options: a profile file and the layout to print it in.
struct ShowOptions {
    std::string path;
    std::string format = "text";
};

// Adds the "show" subcommand and its options to the application.
CLI::App* AddShowCommand(CLI::App& app, ShowOptions& options);

// Opens the profile file as the program does and prints its summary and table
// in the profile command's text or tsv layout. A file the program would refuse
// exits 2 with the program's message and the reason.
int RunShowCommand(const ShowOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rillo::cli

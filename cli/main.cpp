#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/output_check.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return rillo::cli::RunCliWithOutputTo(STDOUT_FILENO, args, std::cerr);
}

#pragma once

#include <ostream>
#include <string>

namespace CLI {
class App;
}

namespace rillo {
class FileSystemIo;
}

namespace rillo::cli {

struct BatchOptions {
    std::string input;   // a CSV file, or "-" for standard input
    std::string output;  // empty: standard output
    std::string tables;  // empty: no profile files
    unsigned jobs = 0;   // 0: one thread per core
    std::string shard;   // "I/N": only the I-th of N parts of the rows; empty: every row
    // A progress line on `err` (when it is standard error on a terminal).
    bool progress = false;
};

// Adds the "batch" subcommand and its options to the application.
CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& options);

// Runs every case of the CSV (of its shard) through the profile command's
// checks and computation and writes one output row per case, in input order,
// as a stream: the rows are read, computed and written a few at a time. Returns 0
// when every case is ok, 1 when any failed or was refused (or the output could
// not be written), 2 for bad usage or an unreadable CSV.
int RunBatchCommand(const BatchOptions& options, std::ostream& out, std::ostream& err);

// The same, writing --output through `outputIo`.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& err, FileSystemIo& outputIo);

}  // namespace rillo::cli

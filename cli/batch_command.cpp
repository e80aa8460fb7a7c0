#include "cli/batch_command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <chrono>
#include <thread>

#include "cli/batch_cases.h"
#include "cli/batch_row.h"
#include "cli/input_text.h"
#include "cli/ordered_work.h"
#include "cli/profile_command.h"
#include "cli/table_files.h"
#include "documents/format/atomic_file_writer.h"
#include "documents/report/table_text.h"

namespace rillo::cli {

namespace {

// Far more than any design study; a larger input is a mistake, not a batch.
constexpr std::size_t kMaxInputBytes = std::size_t{256} << 20;

std::string CsvLine(std::vector<std::string> cells) {
    return CommaSeparatedText(TextTable{std::move(cells)});
}

// "Computed 120 of 10000 cases" on one terminal line, redrawn at most ten
// times a second and once at the end.
class ProgressLine {
   public:
    ProgressLine(std::ostream* err, std::size_t total) : err_(err), total_(total) {}

    void Update(std::size_t done) {
        if (err_ == nullptr) return;
        const auto now = std::chrono::steady_clock::now();
        if (done < total_ && now - shown_ < std::chrono::milliseconds(100)) return;
        shown_ = now;
        *err_ << "\rComputed " << done << " of " << total_ << " cases" << std::flush;
    }

    void Finish(std::size_t done) {
        if (err_ == nullptr || total_ == 0) return;
        shown_ = {};
        Update(done);
        *err_ << "\n" << std::flush;
    }

   private:
    std::ostream* err_;
    std::size_t total_;
    std::chrono::steady_clock::time_point shown_{};
};

std::string InputName(const std::string& input) {
    return input == "-" ? "standard input" : input;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A case whose computation ended in something no profile check foresaw
// (memory ran out) is reported in its row like any other failure.
BatchRowResult RunCaseSafely(const BatchCase& batchCase, bool withProfileFile) {
    try {
        return RunBatchCase(batchCase, withProfileFile);
    } catch (const std::exception& e) {
        BatchRowResult row;
        row.status = BatchStatus::Failed;
        row.cells.assign(kMessageCell + 1, "");
        row.cells[0] = std::to_string(batchCase.row);
        row.cells[kMessageCell - 1] = StatusWord(row.status);
        row.cells[kMessageCell] = std::string("The case could not be computed: ") + e.what();
        return row;
    }
}

}  // namespace

CLI::App* AddBatchCommand(CLI::App& app, BatchOptions& o) {
    CLI::App* cmd = app.add_subcommand(
        "batch",
        "Compute one profile per row of a CSV file whose header names the columns shape, units, start, "
        "end, flow, width, n, slope, side, control and name (the profile options); write one result row "
        "per case.");
    cmd->option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    cmd->add_option("file", o.input, "CSV file of cases, or - for standard input")->required();
    cmd->add_option("--output", o.output, "Write the results to this CSV file instead of standard output");
    cmd->add_option("--tables", o.tables,
                    "Also write each case's profile file (.flo) into this folder, named after its name "
                    "cell or its row number; existing files are never replaced");
    cmd->add_option("--jobs", o.jobs, "Threads that compute cases (default: one per core)")
        ->check(CLI::Range(1u, 256u));
    o.progress = ::isatty(STDERR_FILENO) == 1;
    return cmd;
}

int RunBatchCommand(const BatchOptions& o, std::ostream& out, std::ostream& err) {
    const InputText input = ReadInputText(o.input, kMaxInputBytes);
    if (!input.error.empty()) {
        err << InputName(o.input) << ": cannot read the cases: " << input.error << ".\n";
        return kExitUsage;
    }
    BatchCasesResult read = ReadBatchCases(input.text);
    if (read.error) {
        err << InputName(o.input) << ", line " << read.error->line << ": " << read.error->reason << ".\n";
        return kExitUsage;
    }
    if (!o.tables.empty() && !IsFolder(o.tables)) {
        err << "--tables: " << o.tables << " is not a folder.\n";
        return kExitUsage;
    }

    const std::vector<BatchCase>& cases = read.cases;
    const bool withFiles = !o.tables.empty();
    std::optional<NewFileWriter> files;
    if (withFiles) files.emplace(o.tables);
    // To a file the results go whole or not at all; to standard output they
    // stream as the cases come in.
    std::string whole;
    auto emit = [&](const std::string& text) {
        if (o.output.empty()) {
            out << text;
        } else {
            whole += text;
        }
        return static_cast<bool>(out);
    };
    emit(CsvLine(BatchOutputHeader()));

    const unsigned jobs = o.jobs != 0 ? o.jobs : std::max(1u, std::thread::hardware_concurrency());
    ProgressLine progress(o.progress ? &err : nullptr, cases.size());
    bool allOk = true;
    std::size_t done = 0;
    RunInOrder(
        cases.size(), jobs, [&](std::size_t i) { return RunCaseSafely(cases[i], withFiles); },
        [&](std::size_t i, BatchRowResult row) {
            if (files && !row.profileFile.empty()) {
                const std::string stem = SafeFileStem(cases[i].cells[kNameColumn], cases[i].row);
                const NewFileWriter::Written written = files->Write(stem, row.profileFile);
                if (!written.error.empty()) {
                    row.status = BatchStatus::Failed;
                    row.cells[kMessageCell - 1] = StatusWord(row.status);
                    std::string& message = row.cells[kMessageCell];
                    message += (message.empty() ? "" : "; ") + std::string("Cannot write the profile file ") +
                               written.path + ": " + written.error;
                }
            }
            allOk = allOk && row.status == BatchStatus::Ok;
            progress.Update(++done);
            return emit(CsvLine(std::move(row.cells)));
        });
    progress.Finish(done);

    if (!o.output.empty() && done == cases.size()) {
        if (std::optional<std::string> error = WriteFileAtomically(o.output, whole)) {
            err << "--output: cannot write " << o.output << ": " << *error << "\n";
            return kExitComputationFailed;
        }
    }
    // A failed write to standard output is reported by the caller.
    return allOk ? kExitOk : kExitComputationFailed;
}

}  // namespace rillo::cli

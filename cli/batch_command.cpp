#include "cli/batch_command.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <chrono>
#include <thread>

#include "cli/batch_cases.h"
#include "cli/batch_row.h"
#include "cli/input_file.h"
#include "cli/ordered_work.h"
#include "cli/profile_command.h"
#include "cli/table_files.h"
#include "documents/format/atomic_file_writer.h"
#include "documents/report/table_text.h"

namespace rillo::cli {

namespace {

// Cases in flight per computing thread: enough to keep every thread busy
// past a slow case, few enough that memory does not grow with the study.
constexpr std::size_t kCasesPerThread = 16;
// Results are handed to the output file in pieces of about this size.
constexpr std::size_t kOutputPieceBytes = std::size_t{1} << 16;

std::string CsvLine(std::vector<std::string> cells) {
    return CommaSeparatedText(TextTable{std::move(cells)});
}

// "Computed 120 of 10000 cases" (or "Computed 120 cases" when the input
// cannot be counted before) on one terminal line, redrawn at most ten times
// a second and once at the end.
class ProgressLine {
   public:
    ProgressLine(std::ostream* err, std::optional<std::size_t> total) : err_(err), total_(total) {}

    void Update(std::size_t done) {
        if (err_ == nullptr) return;
        const auto now = std::chrono::steady_clock::now();
        if (done != total_ && now - shown_ < std::chrono::milliseconds(100)) return;
        shown_ = now;
        *err_ << "\rComputed " << done;
        if (total_) *err_ << " of " << *total_;
        *err_ << " cases" << std::flush;
    }

    void Finish(std::size_t done) {
        if (err_ == nullptr || total_ == 0) return;
        shown_ = {};
        Update(done);
        *err_ << "\n" << std::flush;
    }

   private:
    std::ostream* err_;
    std::optional<std::size_t> total_;
    std::chrono::steady_clock::time_point shown_{};
};

// One part of a study split into `count`: the rows whose index from 0
// leaves `index` divided by `count`.
struct Shard {
    std::size_t index = 0;
    std::size_t count = 1;

    bool Holds(std::size_t row) const { return (row - 1) % count == index; }
};

// "I/N", the I-th of N parts, 1 <= I <= N; empty: the whole study.
std::optional<Shard> ParseShard(std::string_view text) {
    if (text.empty()) return Shard{};
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    auto number = [](std::string_view digits) -> std::optional<std::size_t> {
        std::size_t value = 0;
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return value;
    };
    const std::optional<std::size_t> part = number(text.substr(0, slash)), parts = number(text.substr(slash + 1));
    if (!part || !parts || *part < 1 || *part > *parts) return std::nullopt;
    return Shard{*part - 1, *parts};
}

// A command-line text as a message may show it: control characters become "?".
std::string Shown(std::string_view text) {
    std::string shown(text.substr(0, 40));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return shown;
}

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

// While a long study writes its --output, an interrupt (Ctrl+C, a
// scheduler's time limit) removes the temporary file before the program ends
// as the signal would end it.
class TemporaryFileOnSignal {
   public:
    explicit TemporaryFileOnSignal(const std::string& path) {
        if (path.empty() || path.size() >= sizeof path_) return;
        path.copy(path_, path.size());
        path_[path.size()] = '\0';
        struct sigaction action {};
        action.sa_handler = &Remove;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &action, &previous_[i]);
        installed_ = true;
    }
    ~TemporaryFileOnSignal() {
        if (!installed_) return;
        for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
        path_[0] = '\0';
    }
    TemporaryFileOnSignal(const TemporaryFileOnSignal&) = delete;
    TemporaryFileOnSignal& operator=(const TemporaryFileOnSignal&) = delete;

   private:
    static void Remove(int signal) {
        if (path_[0] != '\0') ::unlink(path_);
        ::signal(signal, SIG_DFL);
        ::raise(signal);
    }

    static constexpr std::array<int, 3> kSignals = {SIGINT, SIGTERM, SIGHUP};
    static inline char path_[4096] = {};
    std::array<struct sigaction, kSignals.size()> previous_{};
    bool installed_ = false;
};

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
    cmd->add_option("--shard", o.shard,
                    "Compute only part I of N (I/N): the rows whose number less one leaves I - 1 when divided by "
                    "N, each written with its row number, so that N runs split a study and their results join back");
    o.progress = ::isatty(STDERR_FILENO) == 1;
    return cmd;
}

int RunBatchCommand(const BatchOptions& options, std::ostream& out, std::ostream& err) {
    return RunBatch(options, out, err, SystemFileSystemIo());
}

int RunBatch(const BatchOptions& o, std::ostream& out, std::ostream& err, FileSystemIo& outputIo) {
    const std::optional<Shard> shard = ParseShard(o.shard);
    if (!shard) {
        err << "--shard: \"" << Shown(o.shard)
            << "\" is no part of a study: give I/N, the I-th of N parts (1 <= I <= N), as 2/3.\n";
        return kExitUsage;
    }
    InputFile input(o.input);
    auto unreadable = [&] {
        err << InputName(o.input) << ": cannot read the cases: " << input.error() << ".\n";
        return kExitUsage;
    };
    auto faultAt = [&](const CsvError& fault) {
        err << InputName(o.input) << ", line " << fault.line << ": " << fault.reason << ".\n";
        return kExitUsage;
    };
    if (!input.error().empty()) return unreadable();

    // A file is read through once before any case is computed: a fault on its
    // last line then costs no computing and leaves no half-written results,
    // and the progress line knows how many cases there are. A pipe is read
    // once; a fault in it stops the run where it shows.
    std::optional<std::size_t> total;
    if (input.CanReadAgain()) {
        BatchCaseReader check(input);
        std::size_t count = 0;
        for (BatchCase c; check.Next(c);) count += shard->Holds(c.row) ? 1 : 0;
        if (!input.error().empty()) return unreadable();
        if (check.error()) return faultAt(*check.error());
        if (!input.ReadAgain()) return unreadable();
        total = count;
    }
    BatchCaseReader reader(input);
    std::optional<BatchCase> first(std::in_place);
    if (!reader.Next(*first)) {
        if (!input.error().empty()) return unreadable();
        return faultAt(*reader.error());
    }
    if (!o.tables.empty() && !IsFolder(o.tables)) {
        err << "--tables: " << o.tables << " is not a folder.\n";
        return kExitUsage;
    }

    const bool withFiles = !o.tables.empty();
    std::optional<NewFileWriter> files;
    if (withFiles) files.emplace(o.tables);
    // To a file the results go whole or not at all; to standard output they
    // stream as the cases come in.
    std::optional<AtomicFileWriter> file;
    std::optional<std::string> writeError;
    if (!o.output.empty()) {
        file.emplace(o.output, outputIo);
        writeError = file->Open();
    }
    std::string piece;
    auto emit = [&](const std::string& text) {
        if (!file) {
            out << text;
            return static_cast<bool>(out);
        }
        piece += text;
        if (piece.size() >= kOutputPieceBytes && !writeError) {
            writeError = file->Append(piece);
            piece.clear();
        }
        return !writeError;
    };
    bool complete = !writeError && emit(CsvLine(BatchOutputHeader()));
    const TemporaryFileOnSignal cleanUp(file ? file->TemporaryPath() : std::string());

    const unsigned jobs = o.jobs != 0 ? o.jobs : std::max(1u, std::thread::hardware_concurrency());
    ProgressLine progress(o.progress ? &err : nullptr, total);
    bool allOk = true;
    std::size_t done = 0;
    if (complete) {
        RunStreamInOrder<BatchCase>(
            jobs, kCasesPerThread * jobs,
            [&](BatchCase& c) {
                if (first) {
                    c = std::move(*first);
                    first.reset();
                    if (shard->Holds(c.row)) return true;
                }
                while (reader.Next(c)) {
                    if (shard->Holds(c.row)) return true;
                }
                return false;
            },
            [&](const BatchCase& c) { return RunCaseSafely(c, withFiles); },
            [&](const BatchCase& c, BatchRowResult row) {
                if (files && !row.profileFile.empty()) {
                    const std::string stem = SafeFileStem(c.cells[kNameColumn], c.row);
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
                return complete = emit(CsvLine(std::move(row.cells)));
            });
    }
    progress.Finish(done);

    // A fault in a pipe stops the run: the results up to it are no study's.
    if (!input.error().empty()) return unreadable();
    if (reader.error()) return faultAt(*reader.error());
    if (file) {
        if (complete && !piece.empty()) writeError = file->Append(piece);
        if (complete && !writeError) writeError = file->Commit();
        if (writeError) {
            err << "--output: cannot write " << o.output << ": " << *writeError << "\n";
            return kExitComputationFailed;
        }
    }
    // A failed write to standard output is reported by the caller.
    return allOk ? kExitOk : kExitComputationFailed;
}

}  // namespace rillo::cli

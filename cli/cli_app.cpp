#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <sstream>

#include "cli/batch_command.h"
#include "cli/critical_command.h"
#include "cli/gate_command.h"
#include "cli/jump_command.h"
#include "cli/rating_command.h"
#include "cli/manning_command.h"
#include "cli/mixed_command.h"
#include "cli/orifice_command.h"
#include "cli/profile_command.h"
#include "cli/show_command.h"
#include "cli/weir_command.h"
#include "engine/product_version.h"

namespace rillo::cli {

namespace {

// A subcommand as the front end sees it: its parser and the run that reads
// the options the parser filled.
struct Subcommand {
    CLI::App* parser;
    std::function<int(std::ostream& out, std::ostream& err)> run;
};

// Adds a subcommand whose options live in `options` for the life of the run.
template <typename Options, typename Add, typename Run>
Subcommand Register(CLI::App& app, Options& options, Add add, Run run) {
    return {add(app, options),
            [&options, run](std::ostream& out, std::ostream& err) { return run(options, out, err); }};
}

// Adds a calculator: its results reach `out` only when the whole run
// succeeds, so that a script never takes a half-printed answer for one.
template <typename Options, typename Add, typename Run>
Subcommand RegisterCalculator(CLI::App& app, Options& options, Add add, Run run) {
    return {add(app, options), [&options, run](std::ostream& out, std::ostream& err) {
                std::ostringstream results;
                const int status = run(options, results, err);
                if (status == kExitOk) out << results.str();
                return status;
            }};
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{std::string(kProductTitle) + ": hydraulic design of open channels, from the command line.",
                 "rillo-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(kProductTitle), "Print the version and exit");
    ProfileOptions profile;
    ShowOptions show;
    CriticalOptions critical;
    ManningOptions manning;
    WeirOptions weir;
    OrificeOptions orifice;
    GateOptions gate;
    JumpOptions jump;
    RatingOptions rating;
    MixedOptions mixed;
    BatchOptions batch;
    const std::vector<Subcommand> subcommands = {
        Register(app, profile, AddProfileCommand, RunProfileCommand),
        Register(app, show, AddShowCommand, RunShowCommand),
        RegisterCalculator(app, critical, AddCriticalCommand, RunCriticalCommand),
        RegisterCalculator(app, manning, AddManningCommand, RunManningCommand),
        RegisterCalculator(app, weir, AddWeirCommand, RunWeirCommand),
        RegisterCalculator(app, orifice, AddOrificeCommand, RunOrificeCommand),
        RegisterCalculator(app, gate, AddGateCommand, RunGateCommand),
        RegisterCalculator(app, jump, AddJumpCommand, RunJumpCommand),
        RegisterCalculator(app, rating, AddRatingCommand, RunRatingCommand),
        RegisterCalculator(app, mixed, AddMixedCommand, RunMixedCommand),
        Register(app, batch, AddBatchCommand, RunBatchCommand),
    };
    auto parsed = [&subcommands]() -> const Subcommand* {
        for (const Subcommand& subcommand : subcommands) {
            if (subcommand.parser->parsed()) return &subcommand;
        }
        return nullptr;
    };

    // CLI11 takes the arguments last to first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForVersion& e) {
        out << e.what() << '\n';
        return kExitOk;
    } catch (const CLI::CallForHelp&) {
        // Help on the whole program lists every subcommand's options too.
        if (const Subcommand* subcommand = parsed()) {
            out << subcommand->parser->help();
        } else {
            out << app.help("", CLI::AppFormatMode::All);
        }
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        // One line, as every other refusal of the command line.
        err << e.what() << " (run with --help for the options)\n";
        return kExitUsage;
    }
    if (const Subcommand* subcommand = parsed()) return subcommand->run(out, err);
    return kExitUsage;
}

}  // namespace rillo::cli

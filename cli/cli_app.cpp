#include "cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/critical_command.h"
#include "cli/gate_command.h"
#include "cli/manning_command.h"
#include "cli/orifice_command.h"
#include "cli/profile_command.h"
#include "cli/show_command.h"
#include "cli/weir_command.h"

namespace rillo::cli {

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"Rillo 2.1: hydraulic design of open channels, from the command line.", "rillo-cli"};
    app.require_subcommand(1);
    ProfileOptions profile;
    CLI::App* profileCommand = AddProfileCommand(app, profile);
    ShowOptions show;
    CLI::App* showCommand = AddShowCommand(app, show);
    WeirOptions weir;
    CLI::App* weirCommand = AddWeirCommand(app, weir);
    OrificeOptions orifice;
    CLI::App* orificeCommand = AddOrificeCommand(app, orifice);
    GateOptions gate;
    CLI::App* gateCommand = AddGateCommand(app, gate);
    CriticalOptions critical;
    CLI::App* criticalCommand = AddCriticalCommand(app, critical);
    ManningOptions manning;
    CLI::App* manningCommand = AddManningCommand(app, manning);

    // CLI11 takes the arguments last to first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        // Help on the whole program lists every subcommand's options too.
        if (profileCommand->parsed()) {
            out << profileCommand->help();
        } else if (showCommand->parsed()) {
            out << showCommand->help();
        } else if (weirCommand->parsed()) {
            out << weirCommand->help();
        } else if (orificeCommand->parsed()) {
            out << orificeCommand->help();
        } else if (gateCommand->parsed()) {
            out << gateCommand->help();
        } else if (criticalCommand->parsed()) {
            out << criticalCommand->help();
        } else if (manningCommand->parsed()) {
            out << manningCommand->help();
        } else {
            out << app.help("", CLI::AppFormatMode::All);
        }
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        err << e.what() << "\nRun with --help for the options.\n";
        return kExitUsage;
    }
    if (profileCommand->parsed()) return RunProfileCommand(profile, out, err);
    if (showCommand->parsed()) return RunShowCommand(show, out, err);
    if (weirCommand->parsed()) return RunWeirCommand(weir, out, err);
    if (orificeCommand->parsed()) return RunOrificeCommand(orifice, out, err);
    if (gateCommand->parsed()) return RunGateCommand(gate, out, err);
    if (criticalCommand->parsed()) return RunCriticalCommand(critical, out, err);
    if (manningCommand->parsed()) return RunManningCommand(manning, out, err);
    return kExitUsage;
}

}  // namespace rillo::cli

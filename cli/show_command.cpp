#include "cli/show_command.h"

#include <CLI/CLI.hpp>

#include "cli/profile_command.h"
#include "cli/profile_printer.h"
#include "documents/format/profile_file_reader.h"

namespace rillo::cli {

CLI::App* AddShowCommand(CLI::App& app, ShowOptions& o) {
    CLI::App* cmd = app.add_subcommand("show", "Print the summary and table of a profile file (.flo).");
    cmd->add_option("file", o.path, "Profile file to read")->required();
    cmd->add_option("--format", o.format, "Output: text (summary and table) or tsv")
        ->check(CLI::IsMember({"text", "tsv"}))
        ->capture_default_str();
    return cmd;
}

int RunShowCommand(const ShowOptions& o, std::ostream& out, std::ostream& err) {
    ProfileReadResult read = ReadProfileFile(o.path);
    if (!read.ok()) {
        const char* message = read.status == ProfileReadStatus::UnknownChannelType
                                  ? "Unknown channel type. Cannot open file."
                                  : "File cannot be opened.";
        err << o.path << ": " << message << " (" << read.reason << ")\n";
        return kExitUsage;
    }
    const ProfileDocument& d = read.document;
    ProfileReport report{d.channelName, d.unitSystem, d.summary, d.controlDepth, d.table};
    PrintReport(report, o.format == "tsv" ? OutputFormat::Tsv : OutputFormat::Text, out);
    return kExitOk;
}

}  // namespace rillo::cli

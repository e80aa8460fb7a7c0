#include "cli/batch_row.h"

#include <sstream>

#include "cli/profile_command.h"
#include "cli/profile_file_output.h"
#include "documents/format/profile_file_reader.h"

namespace rillo::cli {

namespace {

// A shape or units word as the options take it: blanks around it dropped,
// any letter case; empty, the option's default.
std::string OptionWord(std::string_view cell, std::string_view fallback) {
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t')) cell.remove_prefix(1);
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t')) cell.remove_suffix(1);
    if (cell.empty()) return std::string(fallback);
    std::string word(cell);
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return word;
}

// The profile command's messages name options ("--flow"); a batch names columns ("flow").
// Every option named before the first ": " loses its dashes ("--start/--end"
// becomes "start/end").
std::string ColumnOf(std::string message) {
    if (message.rfind("--", 0) != 0) return message;
    std::size_t named = message.find(": ");
    for (std::size_t at = message.find("--"); at < named; at = message.find("--", at)) {
        message.erase(at, 2);
        named -= 2;
    }
    return message;
}

// Why the program could not open the case's profile file again; empty when
// it can. A file that would not open is never written.
std::string WhyItWouldNotOpen(const std::string& file, const BatchCase& c) {
    if (file.size() > kMaxProfileFileBytes) {
        // The file holds the cells as they stand: the longest one made it too large.
        std::size_t longest = kNameColumn;
        for (std::size_t k = kStartColumn; k < kBatchColumnCount; ++k) {
            if (c.cells[k].size() > c.cells[longest].size()) longest = k;
        }
        return std::string(BatchColumnNames()[longest]) + ": the cell is too long for a profile file, which " +
               "the program opens up to " + std::to_string(kMaxProfileFileBytes >> 20) + " MiB.";
    }
    const ProfileReadResult read = ReadProfileText(file);
    return read.ok() ? "" : "the profile file would not open again (" + read.reason + ").";
}

std::string JoinMessages(const std::string& first, const std::string& second) {
    if (first.empty()) return second;
    if (second.empty()) return first;
    return first + "; " + second;
}

}  // namespace

const char* StatusWord(BatchStatus status) {
    switch (status) {
        case BatchStatus::Ok: return "ok";
        case BatchStatus::Failed: return "failed";
        case BatchStatus::Refused: return "refused";
    }
    return "";
}

std::vector<std::string> BatchOutputHeader() {
    std::vector<std::string> header = {"row"};
    header.insert(header.end(), BatchColumnNames().begin(), BatchColumnNames().end());
    for (const char* name : {"normal_depth", "normal_area", "critical_depth", "critical_area", "flow_type",
                             "profile_type", "control_depth", "rows", "status", "message"}) {
        header.emplace_back(name);
    }
    return header;
}

BatchRowResult RunBatchCase(const BatchCase& c, bool withProfileFile) {
    BatchRowResult row;
    ProfileOptions o;
    o.shape = OptionWord(c.cells[kShapeColumn], kChannelShapes.front().word);
    o.units = OptionWord(c.cells[kUnitsColumn], "english");
    for (const ProfileField& field : FormFieldsOf(InputField{})) o.texts.*field.text = c.cells[ColumnOf(field.id)];
    o.name = c.cells[kNameColumn];
    o.format = "flo";

    std::vector<std::string>& cells = row.cells;
    cells.reserve(kMessageCell + 1);
    cells.push_back(std::to_string(c.row));
    // A row that is no case echoes nothing: not even the default words.
    const bool isCase = c.refusal.empty();
    cells.push_back(isCase && ShapeWithWord(o.shape) ? o.shape : c.cells[kShapeColumn]);
    cells.push_back(isCase && IsUnitsName(o.units) ? o.units : c.cells[kUnitsColumn]);
    cells.insert(cells.end(), c.cells.begin() + kStartColumn, c.cells.end());

    ProfileOutcome outcome;
    if (!isCase) {
        outcome.status = kExitUsage;
        outcome.refusal = c.refusal;
    } else if (!ShapeWithWord(o.shape)) {
        outcome.status = kExitUsage;
        outcome.refusedOption = "shape";
        outcome.refusal = "not a channel shape: " + ShapeWordList() + ".";
    } else if (!IsUnitsName(o.units)) {
        outcome.status = kExitUsage;
        outcome.refusedOption = "units";
        outcome.refusal = "not a unit system: english or si.";
    } else {
        outcome = CheckAndComputeProfile(o);
    }

    const ProfileResult& result = outcome.result;
    const ProfileSummary& s = result.summary;
    for (const std::string* text :
         {&s.normalDepth, &s.normalArea, &s.criticalDepth, &s.criticalArea, &s.flowType, &s.profileType}) {
        cells.push_back(*text);
    }
    cells.push_back(result.controlDepthText.value_or(""));
    cells.push_back(std::to_string(result.table.size()));

    std::string warning = outcome.warning.empty() ? "" : "Warning: " + outcome.warning;
    std::string message;
    if (outcome.status == kExitUsage) {
        row.status = BatchStatus::Refused;
        message = ColumnOf(outcome.RefusalLine());
    } else {
        row.status = result.ok() ? BatchStatus::Ok : BatchStatus::Failed;
        message = result.ok() ? result.earlyEndNote : FailureLine(*result.failure);
        if (withProfileFile) {
            std::ostringstream file, fileMessages;
            if (PrintProfileFile(o, result, file, fileMessages) == kExitUsage) {
                // The program's Save refuses this profile: there is no file to write.
                row.status = BatchStatus::Refused;
                std::string refusal = fileMessages.str();
                while (!refusal.empty() && refusal.back() == '\n') refusal.pop_back();
                message = ColumnOf(refusal);
            } else if (std::string unreadable = WhyItWouldNotOpen(file.str(), c); !unreadable.empty()) {
                row.status = BatchStatus::Refused;
                message = JoinMessages(message, unreadable);
            } else {
                row.profileFile = file.str();
            }
        }
    }
    cells.push_back(StatusWord(row.status));
    cells.push_back(JoinMessages(warning, message));
    return row;
}

}  // namespace rillo::cli

#include "cli/calculator_output.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/profile_command.h"
#include "cli/profile_printer.h"
#include "engine/numeric_field_text.h"

namespace rillo::cli {

void AddUnitsAndFormatOptions(CLI::App& command, std::string& units, std::string& format) {
    command.add_option("--units", units, "Unit system: english (ft, ft^3/s) or si (m, m^3/s)")
        ->transform(CLI::IsMember({"english", "si"}, CLI::ignore_case))
        ->capture_default_str();
    command.add_option("--format", format, "Output: text (the window's result captions and values) or tsv")
        ->check(CLI::IsMember({"text", "tsv"}))
        ->capture_default_str();
}

bool FieldTextsAccepted(const std::vector<CalculatorField>& fields, std::ostream& err) {
    for (const CalculatorField& field : fields) {
        const char* refusal = nullptr;
        if (!IsAcceptableNumericText(field.text)) {
            refusal = kOnlyNumbersText;
        } else if (StartsWithMinus(field.text)) {
            refusal = kGreaterThanZeroText;
        }
        if (refusal) {
            err << field.option << ": " << kInputErrorTitle << ": " << refusal << " (\"" << field.text
                << "\")\n";
            return false;
        }
    }
    return true;
}

int ReportCalculatorMessage(const CalculatorMessage& message, const std::vector<CalculatorField>& fields,
                            std::ostream& err) {
    auto named = std::find_if(fields.begin(), fields.end(), [&](const CalculatorField& field) {
        return !message.focusField.empty() && message.focusField == field.control;
    });
    if (named != fields.end()) err << named->option << ": ";
    err << (message.title.empty() ? "Rillo 2.1" : message.title) << ": " << OneLine(message.text) << "\n";
    return message.unknownError ? kExitComputationFailed : kExitUsage;
}

void PrintCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                            std::ostream& out) {
    std::size_t width = 0;
    for (const CalculatorResultLine& line : lines) width = std::max(width, line.caption.size());
    for (const CalculatorResultLine& line : lines) {
        if (format == "tsv") {
            out << line.key << '\t' << line.value << '\n';
        } else {
            out << line.caption << std::string(width - line.caption.size() + 1, ' ') << line.value << '\n';
        }
    }
}

}  // namespace rillo::cli

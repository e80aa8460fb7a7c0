#include "cli/calculator_output.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <iomanip>

#include "cli/profile_command.h"
#include "cli/profile_printer.h"
#include "engine/product_version.h"

namespace rillo::cli {

namespace {

void AddFormatOption(CLI::App& command, std::string& format) {
    command.add_option("--format", format, "Output: text (the window's result captions and values) or tsv")
        ->check(CLI::IsMember({"text", "tsv"}))
        ->capture_default_str();
}

}  // namespace

void AddUnitsOption(CLI::App& command, std::string& units) {
    command.add_option("--units", units, "Unit system: english (ft, ft^3/s) or si (m, m^3/s)")
        ->transform(CLI::IsMember({"english", "si"}, CLI::ignore_case))
        ->capture_default_str();
}

void AddShapeAndUnits(CLI::App& command, std::string& shape, std::string& units) {
    AddShapeOption(command, shape);
    AddUnitsOption(command, units);
}

void AddUnitsAndFormatOptions(CLI::App& command, std::string& units, std::string& format) {
    AddUnitsOption(command, units);
    AddFormatOption(command, format);
}

void AddShapeUnitsAndFormat(CLI::App& command, std::string& shape, std::string& units, std::string& format) {
    AddShapeAndUnits(command, shape, units);
    AddFormatOption(command, format);
}

bool FieldTextsAccepted(const std::vector<CalculatorField>& fields, std::ostream& err) {
    const std::optional<RefusedField> refused = FirstRefusedField(fields);
    if (refused) err << refused->option << ": " << refused->message << "\n";
    return !refused;
}

int ReportCalculatorMessage(const CalculatorMessage& message, std::ostream& err, const std::string& hint) {
    err << (message.title.empty() ? std::string(kProductTitle) : message.title) << ": " << OneLine(message.text) << hint
        << "\n";
    return message.unknownError ? kExitComputationFailed : kExitUsage;
}

int ReportCalculatorMessage(const CalculatorMessage& message, const std::vector<CalculatorField>& fields,
                            std::ostream& err) {
    auto named = std::find_if(fields.begin(), fields.end(), [&](const CalculatorField& field) {
        return !message.focusField.empty() && message.focusField == field.field;
    });
    if (named != fields.end()) err << named->option << ": ";
    return ReportCalculatorMessage(message, err);
}

std::string MissingOptionsHint(const std::vector<std::pair<std::string, std::string>>& optionTexts) {
    std::string hint;
    for (const auto& [option, text] : optionTexts) {
        if (text.empty()) hint += (hint.empty() ? " (missing: " : ", ") + option;
    }
    return hint.empty() ? hint : hint + ")";
}

void WarnAndAccept(const CalculatorMessage& question, std::ostream& err) {
    err << "Warning: " << question.title << ": " << OneLine(question.text) << "\n";
}

void PrintCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                            std::ostream& out) {
    // Captions in a column, numbers lined up on their decimal points; a word
    // ("steady") starts where the widest number does.
    auto isNumber = [](const std::string& text) {
        const auto digit = [&](std::size_t i) {
            return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
        };
        // "----", a quantity that cannot be formed, is set as a word.
        return digit(0) || (!text.empty() && text[0] == '-' && digit(1));
    };
    std::size_t captionWidth = 0, wholeWidth = 0;
    for (const CalculatorResultLine& line : lines) {
        captionWidth = std::max(captionWidth, line.caption.size());
        if (isNumber(line.text)) wholeWidth = std::max(wholeWidth, std::min(line.text.find('.'), line.text.size()));
    }
    auto wholeDigits = [&](const std::string& text) {
        return isNumber(text) ? std::min(text.find('.'), text.size()) : wholeWidth;
    };
    for (const CalculatorResultLine& line : lines) {
        if (format == "tsv") {
            out << line.key << "\t" << line.text << "\n";
        } else {
            out << std::left << std::setw(static_cast<int>(captionWidth + 2)) << line.caption
                << std::string(wholeWidth - wholeDigits(line.text), ' ') << line.text << "\n";
        }
    }
}

void PrintMoreCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                                std::ostream& out) {
    if (lines.empty()) return;
    if (format != "tsv") out << "\n";
    PrintCalculatorResults(lines, format, out);
}

}  // namespace rillo::cli

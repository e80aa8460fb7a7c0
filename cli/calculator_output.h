#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calculators/formulas/calculator_message.h"
#include "cli/field_text_check.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// One of a calculator's fields as the command line fills it.
using CalculatorField = OptionField;

// One result as the window shows it: its caption ("Flowrate, ft^3/s:"), the
// key of its tsv line ("flowrate") and its text ("8.025").
struct CalculatorResultLine {
    std::string caption;
    std::string key;
    std::string text;
};

// Adds --units and --format, in the style of the profile command.
void AddUnitsAndFormatOptions(CLI::App& command, std::string& units, std::string& format);
// Adds --units (english or si).
void AddUnitsOption(CLI::App& command, std::string& units);
// Adds --shape (the four channel shapes) and --units, for a command with a
// --format of its own.
void AddShapeAndUnits(CLI::App& command, std::string& shape, std::string& units);
// Adds --shape (the four channel shapes), --units and --format.
void AddShapeUnitsAndFormat(CLI::App& command, std::string& shape, std::string& units, std::string& format);

// Refuses, as the window's numeric fields do, a text that is not a number or
// that starts with a minus sign where the field takes none: writes
// "--head: Input Error: <message> (\"<text>\")" and returns false.
bool FieldTextsAccepted(const std::vector<CalculatorField>& fields, std::ostream& err);

// Writes the message the window would show as one line, "Title: text", with
// `hint` after it, and returns the exit status: 1 for a run-time error of the
// computation, 2 for an input the window refuses.
int ReportCalculatorMessage(const CalculatorMessage& message, std::ostream& err,
                            const std::string& hint = "");
// The same, after the option of the field the message puts the focus in.
int ReportCalculatorMessage(const CalculatorMessage& message, const std::vector<CalculatorField>& fields,
                            std::ostream& err);

// " (missing: --flow, --n)" naming each option whose text is empty; empty
// when every text is there.
std::string MissingOptionsHint(const std::vector<std::pair<std::string, std::string>>& optionTexts);

// The roughness question a script cannot answer: written as a warning, and
// the computation goes on as if answered Yes.
void WarnAndAccept(const CalculatorMessage& question, std::ostream& err);

// text: the captions in a column, then the numbers lined up on their decimal
// points; tsv: key<TAB>text.
void PrintCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                            std::ostream& out);
// A window's second group of results after the first: in text, after a
// blank line and lined up on its own; in tsv, more key<TAB>text lines.
void PrintMoreCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                                std::ostream& out);

}  // namespace rillo::cli

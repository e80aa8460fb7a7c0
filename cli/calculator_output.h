#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calculators/formulas/calculator_message.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// One of a calculator's fields as the command line fills it: the option that
// holds its text and the name of the window's control.
struct CalculatorField {
    const char* option;   // "--head"
    const char* control;  // "txtWeirH"
    std::string text;
};

// One result as the window shows it: its caption ("Flowrate, ft^3/s:"), the
// key of its tsv line ("flowrate") and its text ("8.025").
struct CalculatorResultLine {
    std::string caption;
    const char* key;
    std::string value;
};

// Adds --units and --format, in the style of the profile command.
void AddUnitsAndFormatOptions(CLI::App& command, std::string& units, std::string& format);

// Refuses, as the window's numeric fields do, a text that is not a number or
// that starts with a minus sign: writes "--head: Input Error: <text>" and
// returns false.
bool FieldTextsAccepted(const std::vector<CalculatorField>& fields, std::ostream& err);

// Writes a computation's message as one line, after the option of the field
// it names, and returns the exit status: 1 for the unknown error, 2 for a
// refused input.
int ReportCalculatorMessage(const CalculatorMessage& message, const std::vector<CalculatorField>& fields,
                            std::ostream& err);

// text: each caption and value on a line, the values aligned; tsv: "key<TAB>value".
void PrintCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                            std::ostream& out);

}  // namespace rillo::cli

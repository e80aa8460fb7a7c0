#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "calculators/formulas/calculator_message.h"

namespace CLI {
class App;
}

namespace rillo::cli {

// One result of a calculator: the window's caption, the tsv key and the text.
struct CalculatorResultLine {
    std::string caption;
    std::string key;
    std::string text;
};

// text: the captions in a column, then the numbers lined up on their decimal
// points; tsv: key<TAB>text.
void PrintCalculatorResults(const std::vector<CalculatorResultLine>& lines, const std::string& format,
                            std::ostream& out);

// Writes the message the window would show as one line, "Title: text", with
// `hint` after it, and returns the exit status: 1 for a run-time error of the
// computation, 2 for an input the window refuses.
int ReportCalculatorMessage(const CalculatorMessage& message, std::ostream& err,
                            const std::string& hint = "");

// " (missing: --flow, --n)" naming each option whose text is empty; empty
// when every text is there.
std::string MissingOptionsHint(const std::vector<std::pair<std::string, std::string>>& optionTexts);

// The roughness question a script cannot answer: written as a warning, and
// the computation goes on as if answered Yes.
void WarnAndAccept(const CalculatorMessage& question, std::ostream& err);

// The --shape, --units and --format options every calculator command shares.
void AddShapeUnitsAndFormat(CLI::App& command, std::string& shape, std::string& units, std::string& format);

}  // namespace rillo::cli

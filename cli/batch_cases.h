#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_reader.h"

namespace rillo::cli {

// The columns a batch file may name, after the profile command's options.
enum BatchColumn : std::size_t {
    kShapeColumn,
    kUnitsColumn,
    kStartColumn,
    kEndColumn,
    kFlowColumn,
    kWidthColumn,
    kNColumn,
    kSlopeColumn,
    kSideColumn,
    kControlColumn,
    kNameColumn,
    kBatchColumnCount
};

inline constexpr std::array<const char*, kBatchColumnCount> kBatchColumnNames = {
    "shape", "units", "start", "end", "flow", "width", "n", "slope", "side", "control", "name"};

// One case of a batch: its row number (the first row after the header is 1)
// and its cell texts by column; a column the file does not have is empty.
struct BatchCase {
    std::size_t row = 0;
    std::array<std::string, kBatchColumnCount> cells;
};

struct BatchCasesResult {
    std::vector<BatchCase> cases;
    std::optional<CsvError> error;
};

// Reads the cases of a batch file: a header row naming some of the columns,
// in any order and letter case, then one row per case. A file that is not
// CSV, an empty file or one with a header and no case, a header with a name that is not a column or a column
// named twice, and a row with more or fewer cells than the header are refused
// with the line of the first fault.
BatchCasesResult ReadBatchCases(std::string_view csvText);

}  // namespace rillo::cli

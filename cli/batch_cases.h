#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/csv_reader.h"
#include "engine/profile_fields.h"

namespace rillo::cli {

// The columns a batch file may name, after the profile command's options:
// shape, units, the inputs in the options' order, then the channel name.
inline constexpr std::size_t kShapeColumn = 0;
inline constexpr std::size_t kUnitsColumn = 1;
inline constexpr std::size_t kStartColumn = 2;  // the first input's
inline constexpr std::size_t kNameColumn = kStartColumn + kProfileOptionOrder.size();
inline constexpr std::size_t kBatchColumnCount = kNameColumn + 1;

// The column of an input.
constexpr std::size_t ColumnOf(InputField field) {
    std::size_t k = 0;
    while (kProfileOptionOrder[k] != field) ++k;
    return kStartColumn + k;
}

// "shape", "units", "start", ..., "name".
const std::array<const char*, kBatchColumnCount>& BatchColumnNames();

// One case of a batch: its row number (the first row after the header is 1)
// and its cell texts by column; a column the file does not have is empty,
// except the start station, which is the profile command's default.
struct BatchCase {
    std::size_t row = 0;
    std::array<std::string, kBatchColumnCount> cells;
    // Why the row is no case ("line 7: a row of 3 cells where the header
    // names 4 columns"); the cells are then empty. Empty for a case.
    std::string refusal;
};

// The most bytes the cells of one row may hold together; a longer row is
// refused without being held (a longer header stops the reading).
inline constexpr std::size_t kMaxBatchRowBytes = std::size_t{1} << 20;

// Reads the cases of a batch file one at a time: a header row naming some of
// the columns, in any order and letter case, then one row per case. A file
// that is not CSV, an empty file or one with a header and no case, and a
// header that is not UTF-8, longer than kMaxBatchRowBytes, names a column
// that does not exist or one twice are refused with the line of the first
// fault. A row with more or fewer cells than the header, longer than
// kMaxBatchRowBytes or that is not UTF-8 is a case of its own that carries
// its refusal: the rows around it are still cases.
class BatchCaseReader {
   public:
    explicit BatchCaseReader(ByteSource& source) : csv_(source, kMaxBatchRowBytes) {}

    // The next case; false at the end of the file or at a fault (error()).
    bool Next(BatchCase& batchCase);
    const std::optional<CsvError>& error() const { return error_; }

   private:
    bool ReadHeader();
    bool ReadHeaderColumns();
    void PreferCsvError();

    CsvReader csv_;
    CsvRecord record_;
    bool headerRead_ = false;
    std::vector<std::size_t> columnOf_;  // header position -> column
    std::array<bool, kBatchColumnCount> named_{};
    std::size_t row_ = 0;
    std::optional<CsvError> error_;
};

struct BatchCasesResult {
    std::vector<BatchCase> cases;
    std::optional<CsvError> error;
};

// Reads every case of a batch text, as BatchCaseReader does; on a fault, no case.
BatchCasesResult ReadBatchCases(std::string_view csvText);

}  // namespace rillo::cli

#pragma once

#include <string>
#include <vector>

#include "cli/batch_cases.h"

namespace rillo::cli {

enum class BatchStatus { Ok, Failed, Refused };

const char* StatusWord(BatchStatus status);

// The output file's columns: the row number, the input texts, the summary,
// the number of table rows, the status and the message.
std::vector<std::string> BatchOutputHeader();

// One case run through the profile command's checks and computation.
struct BatchRowResult {
    BatchStatus status = BatchStatus::Ok;
    // The output row, in the columns of BatchOutputHeader.
    std::vector<std::string> cells;
    // The profile file (.flo) of the case, when asked for and there is one.
    std::string profileFile;
};

// The shape and units cells are read as the options' words in any letter
// case; empty, they are the profile command's defaults (trapezoidal,
// English). With `withProfileFile`, the case's profile file is made as
// `rillo-cli profile --format flo` makes it; a case whose file the program
// would refuse to save is refused with that message.
BatchRowResult RunBatchCase(const BatchCase& batchCase, bool withProfileFile);

// The row's message column.
inline constexpr std::size_t kMessageCell = 1 + kBatchColumnCount + 7 + 2;

}  // namespace rillo::cli

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rillo::cli {

// One record of a CSV text and the line on which it starts (from 1).
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> cells;
    // Every byte of the record is well-formed UTF-8; otherwise the cells hold
    // the bytes as they were, for the caller to refuse.
    bool utf8 = true;
};

// Why a text is not readable as CSV, and the first line where that shows.
struct CsvError {
    std::size_t line = 0;
    std::string reason;
};

struct CsvReadResult {
    std::vector<CsvRecord> records;
    std::optional<CsvError> error;

    bool ok() const { return !error.has_value(); }
};

// Reads comma-separated values (RFC 4180) from UTF-8 text. A byte-order mark
// at the start is skipped. Records end with CR LF, LF or a lone CR; a cell
// that holds a comma, a double quote or a line break is enclosed in double
// quotes, its quotes doubled. An empty line is no record. A record with bytes
// that are not UTF-8 is read and marked so. Refused, with the line of the
// first fault: a NUL byte (a binary file), a double quote inside an unquoted
// cell, text after a closing quote, and a quoted cell that is never closed
// (the line where it opens).
CsvReadResult ReadCsv(std::string_view text);

}  // namespace rillo::cli

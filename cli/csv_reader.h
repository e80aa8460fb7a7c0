#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rillo::cli {

// Bytes read in pieces: a file, a pipe, a text in memory.
class ByteSource {
   public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes into `data`; 0 at the end or after a failure
    // (which the source keeps for its owner to report).
    virtual std::size_t Read(char* data, std::size_t size) = 0;
};

// A text in memory as a source.
class TextSource final : public ByteSource {
   public:
    explicit TextSource(std::string_view text) : text_(text) {}
    std::size_t Read(char* data, std::size_t size) override;

   private:
    std::string_view text_;
};

// One record of a CSV text and the line on which it starts (from 1).
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> cells;
    // Every byte of the record is well-formed UTF-8; otherwise the cells hold
    // the bytes as they were, for the caller to refuse.
    bool utf8 = true;
    // The record is longer than the reader's limit: it was read to its end,
    // its cells counted but not kept (they are empty).
    bool tooLong = false;
    // Of a record too long, the cell that alone passes the limit; npos when
    // only the cells together do.
    std::size_t longCell = std::string::npos;
};

// Why a text is not readable as CSV, and the first line where that shows.
struct CsvError {
    std::size_t line = 0;
    std::string reason;
};

// Reads comma-separated values (RFC 4180) from UTF-8 text, one record at a
// time. A byte-order mark at the start is skipped. Records end with CR LF, LF
// or a lone CR; a cell that holds a comma, a double quote or a line break is
// enclosed in double quotes, its quotes doubled. An empty line is no record.
// A record with bytes that are not UTF-8 is read and marked so; one whose
// cells hold more than `maxRecordBytes` is marked too long and not kept, so
// that no record, however long, is held whole. Refused, with the line of the
// first fault, and the reading stops there: a NUL byte (a binary file), a
// double quote inside an unquoted cell, text after a closing quote, and a
// quoted cell that is never closed (the line where it opens). After another
// fault, a NUL byte further on is the fault reported: the file is no text.
class CsvReader {
   public:
    explicit CsvReader(ByteSource& source, std::size_t maxRecordBytes = std::numeric_limits<std::size_t>::max());

    // The next record; false at the end of the text or at a fault (error()).
    bool Next(CsvRecord& record);
    const std::optional<CsvError>& error() const { return error_; }
    // The bytes taken from the source so far.
    std::size_t bytesRead() const { return bytesRead_; }

   private:
    static constexpr int kEnd = -1;
    int Peek();
    bool Fill();
    void SkipByteOrderMark();
    void Keep(CsvRecord& record, std::string& cell, char c);
    std::optional<CsvError> ReadRecord(CsvRecord& record, bool& quotedSingleCell);
    std::optional<CsvError> ReadQuoted(CsvRecord& record, std::string& cell);
    std::optional<CsvError> NulError();
    void LookForNul();

    ByteSource& source_;
    std::size_t maxRecordBytes_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0, end_ = 0;
    bool atEnd_ = false, started_ = false, sawNul_ = false;
    std::size_t line_ = 1;
    std::size_t bytesRead_ = 0;
    std::size_t recordBytes_ = 0, cellBytes_ = 0;
    std::optional<CsvError> error_;
};

struct CsvReadResult {
    std::vector<CsvRecord> records;
    std::optional<CsvError> error;

    bool ok() const { return !error.has_value(); }
};

// Reads a whole CSV text, as CsvReader reads it, without a length limit.
CsvReadResult ReadCsv(std::string_view text);

}  // namespace rillo::cli

#include "cli/csv_reader.h"

#include <algorithm>

namespace rillo::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The offset of the first byte that does not belong to well-formed UTF-8
// (overlong forms, surrogates and code points past U+10FFFF included), or
// npos when the whole text is UTF-8.
std::size_t FirstInvalidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0) low = 0xA0;
            if (c == 0xED) high = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0) low = 0x90;
            if (c == 0xF4) high = 0x8F;
        } else {
            return i;
        }
        if (i + length > s.size()) return i;
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            const unsigned char lo = k == 1 ? low : 0x80, hi = k == 1 ? high : 0xBF;
            if (b < lo || b > hi) return i;
        }
        i += length;
    }
    return std::string_view::npos;
}

}  // namespace

std::size_t TextSource::Read(char* data, std::size_t size) {
    const std::size_t n = std::min(size, text_.size());
    text_.copy(data, n);
    text_.remove_prefix(n);
    return n;
}

CsvReader::CsvReader(ByteSource& source, std::size_t maxRecordBytes)
    : source_(source), maxRecordBytes_(maxRecordBytes), buffer_(std::size_t{1} << 16) {}

// Moves what is left of the buffer to its start and reads more after it.
bool CsvReader::Fill() {
    if (atEnd_) return false;
    if (pos_ > 0) {
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(pos_), buffer_.begin() + static_cast<std::ptrdiff_t>(end_),
                  buffer_.begin());
        end_ -= pos_;
        pos_ = 0;
    }
    const std::size_t n = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (n == 0) {
        atEnd_ = true;
        return false;
    }
    end_ += n;
    bytesRead_ += n;
    return true;
}

int CsvReader::Peek() {
    if (pos_ == end_ && !Fill()) return kEnd;
    return static_cast<unsigned char>(buffer_[pos_]);
}

void CsvReader::SkipByteOrderMark() {
    while (end_ - pos_ < kByteOrderMark.size() && Fill()) {
    }
    if (std::string_view(buffer_.data() + pos_, end_ - pos_).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        pos_ += kByteOrderMark.size();
    }
}

// Adds a byte to the cell, unless the record has grown past the limit: then
// its cells are let go and only counted from there on.
void CsvReader::Keep(CsvRecord& record, std::string& cell, char c) {
    ++cellBytes_;
    if (record.tooLong) return;
    if (++recordBytes_ > maxRecordBytes_) {
        record.tooLong = true;
        for (std::string& kept : record.cells) std::string().swap(kept);
        std::string().swap(cell);
        return;
    }
    cell.push_back(c);
}

std::optional<CsvError> CsvReader::NulError() {
    sawNul_ = true;
    return CsvError{line_, "a NUL byte: this is not a text file"};
}

std::optional<CsvError> CsvReader::ReadRecord(CsvRecord& record, bool& quotedSingleCell) {
    for (;;) {
        std::string cell;
        cellBytes_ = 0;
        const bool quoted = Peek() == '"';
        if (quoted) {
            ++pos_;
            if (auto error = ReadQuoted(record, cell)) return error;
        } else {
            for (int c; (c = Peek()) != kEnd && c != ',' && c != '\r' && c != '\n'; ++pos_) {
                if (c == '"') {
                    return CsvError{line_,
                                    "a double quote inside a cell that does not start with one "
                                    "(enclose the cell in double quotes and double the quote)"};
                }
                if (c == 0) return NulError();
                Keep(record, cell, static_cast<char>(c));
            }
        }
        if (record.tooLong) {
            if (cellBytes_ > maxRecordBytes_ && record.longCell == std::string::npos) {
                record.longCell = record.cells.size();
            }
        } else if (record.utf8 && FirstInvalidUtf8(cell) != std::string_view::npos) {
            // The delimiters are ASCII, so a character never spans two cells.
            record.utf8 = false;
        }
        record.cells.push_back(std::move(cell));
        if (record.cells.size() == 1) quotedSingleCell = quoted;
        const int next = Peek();
        if (next == kEnd) return std::nullopt;
        ++pos_;
        if (next == ',') continue;
        // CR LF, LF or CR.
        if (next == '\r' && Peek() == '\n') ++pos_;
        ++line_;
        return std::nullopt;
    }
}

std::optional<CsvError> CsvReader::ReadQuoted(CsvRecord& record, std::string& cell) {
    const std::size_t openedOn = line_;
    for (;;) {
        const int c = Peek();
        if (c == kEnd) return CsvError{openedOn, "a quoted cell is not closed: its closing double quote is missing"};
        if (c == 0) return NulError();
        ++pos_;
        if (c == '"') {
            const int after = Peek();
            if (after == '"') {
                Keep(record, cell, '"');
                ++pos_;
                continue;
            }
            if (after != kEnd && after != ',' && after != '\r' && after != '\n') {
                return CsvError{line_, "text after the closing double quote of a cell"};
            }
            return std::nullopt;
        }
        Keep(record, cell, static_cast<char>(c));
        if (c == '\n' || (c == '\r' && Peek() != '\n')) ++line_;
    }
}

// Past a fault, a NUL byte further on (within what the whole-file reader
// would have held) is the fault that counts: the input is no text at all.
void CsvReader::LookForNul() {
    constexpr std::size_t kSearchBytes = std::size_t{256} << 20;
    std::size_t line = line_;
    bool afterCr = false;
    for (std::size_t searched = 0; searched < kSearchBytes; ++searched, ++pos_) {
        const int c = Peek();
        if (c == kEnd) return;
        // CR LF, LF and a lone CR each end one line.
        if (afterCr && c != '\n') ++line;
        afterCr = c == '\r';
        if (c == 0) {
            error_ = CsvError{line, "a NUL byte: this is not a text file"};
            return;
        }
        if (c == '\n') ++line;
    }
}

bool CsvReader::Next(CsvRecord& record) {
    if (error_) return false;
    if (!started_) {
        started_ = true;
        SkipByteOrderMark();
    }
    for (;;) {
        if (Peek() == kEnd) return false;
        record.line = line_;
        record.cells.clear();
        record.utf8 = true;
        record.tooLong = false;
        record.longCell = std::string::npos;
        recordBytes_ = 0;
        bool quotedSingleCell = false;  // "" is a cell, not an empty line
        if (auto error = ReadRecord(record, quotedSingleCell)) {
            error_ = std::move(error);
            if (!sawNul_) LookForNul();
            return false;
        }
        const bool emptyLine =
            !record.tooLong && record.cells.size() == 1 && record.cells[0].empty() && !quotedSingleCell;
        if (!emptyLine) return true;
    }
}

CsvReadResult ReadCsv(std::string_view text) {
    TextSource source(text);
    CsvReader reader(source);
    CsvReadResult result;
    for (CsvRecord record; reader.Next(record);) result.records.push_back(std::move(record));
    result.error = reader.error();
    return result;
}

}  // namespace rillo::cli

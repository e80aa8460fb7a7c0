#include "cli/csv_reader.h"

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

std::size_t LineOf(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, offset);
    std::size_t line = 1;
    for (std::size_t i = 0; i < before.size(); ++i) {
        // CR LF, LF and a lone CR each end one line.
        if (before[i] == '\n' || (before[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
    }
    return line;
}

class CsvParser {
   public:
    explicit CsvParser(std::string_view text) : s_(text) {}

    CsvReadResult Parse() {
        CsvReadResult result;
        while (pos_ < s_.size() && !result.error) {
            CsvRecord record;
            record.line = line_;
            const std::size_t start = pos_;
            if (auto error = ReadRecord(record.cells)) {
                result.error = std::move(error);
            } else if (!(record.cells.size() == 1 && record.cells[0].empty() && !quotedSingleCell_)) {
                // The delimiters are ASCII, so stray bytes stay inside their record.
                record.utf8 = FirstInvalidUtf8(s_.substr(start, pos_ - start)) == std::string_view::npos;
                result.records.push_back(std::move(record));
            }
        }
        return result;
    }

   private:
    bool AtLineEnd() const { return pos_ < s_.size() && (s_[pos_] == '\r' || s_[pos_] == '\n'); }

    // Steps over CR LF, LF or CR.
    void SkipLineEnd() {
        if (s_[pos_] == '\r' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
        ++line_;
    }

    std::optional<CsvError> ReadRecord(std::vector<std::string>& cells) {
        quotedSingleCell_ = false;
        for (;;) {
            std::string cell;
            bool quoted = false;
            if (pos_ < s_.size() && s_[pos_] == '"') {
                quoted = true;
                if (auto error = ReadQuoted(cell)) return error;
            } else {
                while (pos_ < s_.size() && s_[pos_] != ',' && !AtLineEnd()) {
                    if (s_[pos_] == '"') {
                        return CsvError{line_,
                                        "a double quote inside a cell that does not start with one "
                                        "(enclose the cell in double quotes and double the quote)"};
                    }
                    cell.push_back(s_[pos_++]);
                }
            }
            cells.push_back(std::move(cell));
            if (cells.size() == 1) quotedSingleCell_ = quoted;
            if (pos_ >= s_.size()) return std::nullopt;
            if (s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            SkipLineEnd();
            return std::nullopt;
        }
    }

    std::optional<CsvError> ReadQuoted(std::string& cell) {
        const std::size_t openedOn = line_;
        ++pos_;
        for (;;) {
            const std::size_t quote = s_.find('"', pos_);
            if (quote == std::string_view::npos) {
                return CsvError{openedOn, "a quoted cell is not closed: its closing double quote is missing"};
            }
            for (std::size_t i = pos_; i < quote; ++i) {
                if (s_[i] == '\n' || (s_[i] == '\r' && (i + 1 >= s_.size() || s_[i + 1] != '\n'))) ++line_;
            }
            cell.append(s_.substr(pos_, quote - pos_));
            pos_ = quote + 1;
            if (pos_ < s_.size() && s_[pos_] == '"') {
                cell.push_back('"');
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] != ',' && !AtLineEnd()) {
                return CsvError{line_, "text after the closing double quote of a cell"};
            }
            return std::nullopt;
        }
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
    bool quotedSingleCell_ = false;  // the record's first cell was quoted ("" is a cell, not an empty line)
};

}  // namespace

CsvReadResult ReadCsv(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    CsvReadResult result;
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        result.error = CsvError{LineOf(text, nul), "a NUL byte: this is not a text file"};
        return result;
    }
    return CsvParser(text).Parse();
}

}  // namespace rillo::cli

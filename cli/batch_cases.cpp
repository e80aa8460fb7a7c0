#include "cli/batch_cases.h"

#include "cli/profile_command.h"

namespace rillo::cli {

const std::array<const char*, kBatchColumnCount>& BatchColumnNames() {
    static const std::array<const char*, kBatchColumnCount> names = [] {
        std::array<const char*, kBatchColumnCount> n{};
        n[kShapeColumn] = "shape";
        n[kUnitsColumn] = "units";
        for (InputField field : kProfileOptionOrder) n[ColumnOf(field)] = FieldOf(field).column;
        n[kNameColumn] = "name";
        return n;
    }();
    return names;
}

namespace {

std::string ColumnKey(std::string_view name) {
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
    std::string key(name);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

// A header cell as a message may show it: control characters become "?".
std::string Printable(std::string_view text) {
    std::string shown(text.substr(0, 80));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    }
    return shown;
}

std::string ColumnList() {
    std::string list;
    for (const char* name : BatchColumnNames()) list += (list.empty() ? "" : ", ") + std::string(name);
    return list;
}

}  // namespace

// A header at fault is the fault to report unless the text is no CSV at all,
// as far as a whole file of cases was ever read (256 MiB).
void BatchCaseReader::PreferCsvError() {
    while (csv_.bytesRead() < (std::size_t{256} << 20) && csv_.Next(record_)) {
    }
    if (csv_.error()) error_ = csv_.error();
}

bool BatchCaseReader::ReadHeader() {
    headerRead_ = true;
    if (!ReadHeaderColumns()) {
        if (!csv_.error()) PreferCsvError();
        return false;
    }
    return true;
}

bool BatchCaseReader::ReadHeaderColumns() {
    if (!csv_.Next(record_)) {
        error_ = csv_.error() ? csv_.error()
                              : CsvError{1, "the file is empty; its first line must name the columns (" +
                                                ColumnList() + ")"};
        return false;
    }
    const CsvRecord& header = record_;
    if (header.tooLong) {
        error_ = CsvError{header.line, "the header row is longer than " +
                                           std::to_string(kMaxBatchRowBytes >> 20) + " MiB"};
        return false;
    }
    if (!header.utf8) {
        error_ = CsvError{header.line, "bytes that are not UTF-8 text in the header row"};
        return false;
    }
    for (const std::string& cell : header.cells) {
        const std::string key = ColumnKey(cell);
        std::size_t column = 0;
        while (column < kBatchColumnCount && key != BatchColumnNames()[column]) ++column;
        if (column == kBatchColumnCount) {
            error_ = CsvError{
                header.line, "\"" + Printable(cell) + "\" is not a column; the columns are " + ColumnList()};
            return false;
        }
        if (named_[column]) {
            error_ = CsvError{header.line, "the column \"" + Printable(key) + "\" is named twice"};
            return false;
        }
        named_[column] = true;
        columnOf_.push_back(column);
    }
    return true;
}

bool BatchCaseReader::Next(BatchCase& c) {
    if (error_ || (!headerRead_ && !ReadHeader())) return false;
    const std::size_t headerLine = record_.line;
    if (!csv_.Next(record_)) {
        error_ = csv_.error();
        if (!error_ && row_ == 0) error_ = CsvError{headerLine, "only the header row; no case follows it"};
        return false;
    }
    CsvRecord& record = record_;
    c = BatchCase{};
    c.row = ++row_;
    const std::string line = "line " + std::to_string(record.line) + ": ";
    if (record.tooLong) {
        const bool oneCell = record.longCell < columnOf_.size();
        c.refusal = line + (oneCell ? "the " + std::string(BatchColumnNames()[columnOf_[record.longCell]]) + " cell"
                                    : std::string("the row")) +
                    " is longer than " + std::to_string(kMaxBatchRowBytes >> 20) + " MiB.";
        return true;
    }
    // A cell too many or too few would shift the values into the wrong
    // columns and compute another channel than the one meant.
    if (record.cells.size() != columnOf_.size()) {
        c.refusal = line + "a row of " + std::to_string(record.cells.size()) + " cells where the header names " +
                    std::to_string(columnOf_.size()) + " columns.";
        return true;
    }
    if (!record.utf8) {
        c.refusal = line + "bytes that are not UTF-8 text.";
        return true;
    }
    for (std::size_t k = 0; k < columnOf_.size(); ++k) c.cells[columnOf_[k]] = std::move(record.cells[k]);
    if (!named_[kStartColumn]) c.cells[kStartColumn] = kDefaultStartStation;
    return true;
}

BatchCasesResult ReadBatchCases(std::string_view csvText) {
    TextSource source(csvText);
    BatchCaseReader reader(source);
    BatchCasesResult result;
    for (BatchCase c; reader.Next(c);) result.cases.push_back(std::move(c));
    if (reader.error()) {
        result.cases.clear();
        result.error = reader.error();
    }
    return result;
}

}  // namespace rillo::cli

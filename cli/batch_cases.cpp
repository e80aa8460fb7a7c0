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

BatchCasesResult ReadBatchCases(std::string_view csvText) {
    BatchCasesResult result;
    CsvReadResult csv = ReadCsv(csvText);
    if (!csv.ok()) {
        result.error = csv.error;
        return result;
    }
    if (csv.records.empty()) {
        result.error =
            CsvError{1, "the file is empty; its first line must name the columns (" + ColumnList() + ")"};
        return result;
    }

    const CsvRecord& header = csv.records.front();
    if (!header.utf8) {
        result.error = CsvError{header.line, "bytes that are not UTF-8 text in the header row"};
        return result;
    }
    std::vector<std::size_t> columnOf;  // header position -> column
    std::array<bool, kBatchColumnCount> named{};
    for (const std::string& cell : header.cells) {
        const std::string key = ColumnKey(cell);
        std::size_t column = 0;
        while (column < kBatchColumnCount && key != BatchColumnNames()[column]) ++column;
        if (column == kBatchColumnCount) {
            result.error = CsvError{
                header.line, "\"" + Printable(cell) + "\" is not a column; the columns are " + ColumnList()};
            return result;
        }
        if (named[column]) {
            result.error = CsvError{header.line, "the column \"" + Printable(key) + "\" is named twice"};
            return result;
        }
        named[column] = true;
        columnOf.push_back(column);
    }

    if (csv.records.size() == 1) {
        result.error = CsvError{header.line, "only the header row; no case follows it"};
        return result;
    }
    result.cases.reserve(csv.records.size() - 1);
    for (std::size_t i = 1; i < csv.records.size(); ++i) {
        CsvRecord& record = csv.records[i];
        BatchCase& c = result.cases.emplace_back();
        c.row = i;
        const std::string line = "line " + std::to_string(record.line) + ": ";
        // A cell too many or too few would shift the values into the wrong
        // columns and compute another channel than the one meant.
        if (record.cells.size() != columnOf.size()) {
            c.refusal = line + "a row of " + std::to_string(record.cells.size()) + " cells where the header names " +
                        std::to_string(columnOf.size()) + " columns.";
            continue;
        }
        if (!record.utf8) {
            c.refusal = line + "bytes that are not UTF-8 text.";
            continue;
        }
        for (std::size_t k = 0; k < columnOf.size(); ++k) c.cells[columnOf[k]] = std::move(record.cells[k]);
        if (!named[kStartColumn]) c.cells[kStartColumn] = kDefaultStartStation;
    }
    return result;
}

}  // namespace rillo::cli

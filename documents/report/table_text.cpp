#include "documents/report/table_text.h"

#include "engine/numeric_text.h"
#include "engine/table_headings.h"

namespace rillo {

std::string SpreadsheetCell(const std::string& cell) {
    if (cell.empty() || cell.find_first_of("=+-@\t\r") != 0 || IsDecimalNumberText(cell)) return cell;
    return "'" + cell;
}

TextTable ProfileTableWithHeadings(const ProfileDocument& document) {
    TextTable table(2);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < kProfileColumnCount; ++col) {
            table[static_cast<std::size_t>(row)].emplace_back(TableHeading(col, row, document.unitSystem));
        }
    }
    for (const ProfileRow& row : document.table) {
        if (row.cells[kStationColumn].empty()) break;
        table.emplace_back(row.cells.begin(), row.cells.end());
    }
    return table;
}

std::string TabSeparatedText(const TextTable& table) {
    std::string text;
    for (const std::vector<std::string>& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += '\t';
            for (char c : SpreadsheetCell(row[i])) text += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
        }
        text += '\n';
    }
    return text;
}

std::string CommaSeparatedText(const TextTable& table) {
    std::string text;
    for (const std::vector<std::string>& row : table) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) text += ',';
            const std::string cell = SpreadsheetCell(row[i]);
            if (cell.find_first_of(",\"\r\n") == std::string::npos) {
                text += cell;
                continue;
            }
            text += '"';
            for (char c : cell) {
                if (c == '"') text += '"';
                text += c;
            }
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace rillo

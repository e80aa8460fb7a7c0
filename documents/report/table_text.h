#pragma once

#include <string>
#include <vector>

#include "documents/format/profile_document.h"

namespace rillo {

// Cells of a table by rows, UTF-8.
using TextTable = std::vector<std::vector<std::string>>;

// The whole profile table as the table view shows it: both heading rows for
// the document's unit system, then every data row down to the first whose
// station is empty, all eleven columns.
TextTable ProfileTableWithHeadings(const ProfileDocument& document);

// The cell as a spreadsheet must take it: a cell that is no plain decimal
// number ("-1.5", "+2e-3") and begins with "=", "+", "-", "@", a tab or a
// carriage return would be read as a formula ("-1+50.000" as 49, "=1+1" as
// 2), so it gets a leading apostrophe, which spreadsheets show as text.
// Every table written for a spreadsheet (CSV, tab-separated) goes through it.
std::string SpreadsheetCell(const std::string& cell);

// Tab-separated text for the clipboard: cells joined by tabs, rows ended by a
// line feed. Cells are spreadsheet cells (SpreadsheetCell); tabs and line
// breaks inside a cell then become blanks, so that every cell stays in its
// place when pasted into a spreadsheet.
std::string TabSeparatedText(const TextTable& table);

// Comma-separated values (RFC 4180) of spreadsheet cells (SpreadsheetCell): a
// cell holding a comma, a double quote or a line break is quoted, its quotes
// doubled; every row ends with CR LF.
std::string CommaSeparatedText(const TextTable& table);

}  // namespace rillo

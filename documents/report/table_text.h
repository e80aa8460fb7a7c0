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

// Tab-separated text for the clipboard: cells joined by tabs, rows ended by a
// line feed. Tabs and line breaks inside a cell become blanks, so that every
// cell stays in its place when pasted into a spreadsheet.
std::string TabSeparatedText(const TextTable& table);

// Comma-separated values (RFC 4180): a cell holding a comma, a double quote or
// a line break is quoted, its quotes doubled; every row ends with CR LF.
std::string CommaSeparatedText(const TextTable& table);

}  // namespace rillo

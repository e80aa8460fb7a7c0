#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "engine/profile_records.h"
#include "engine/units.h"

namespace rillo::cli {

// What the front end prints of a profile: the summary, the control depth and
// the table, as the program's views show them.
struct ProfileReport {
    std::string title;  // e.g. the channel name
    UnitSystem units = UnitSystem::English;
    ProfileSummary summary;
    std::optional<std::string> controlDepth;
    ProfileTable table;
};

enum class OutputFormat { Text, Tsv };

// Summary and table aligned for reading, with the table's headings and units.
void PrintText(const ProfileReport& report, std::ostream& out);

// Seven lines "key<TAB>text", an empty line, then one line per table row with
// its eleven cell texts separated by tabs.
void PrintTsv(const ProfileReport& report, std::ostream& out);

// The table alone as PrintText writes it; a row's note, when not empty,
// follows it ("before the jump").
void PrintTextTable(const ProfileTable& table, UnitSystem units, std::ostream& out,
                    std::span<const std::string> rowNotes = {});
// The table's lines alone as PrintTsv writes them.
void PrintTsvRows(const ProfileTable& table, std::ostream& out);

void PrintReport(const ProfileReport& report, OutputFormat format, std::ostream& out);

// A message as one line: the program's carriage returns and line feeds become blanks.
std::string OneLine(const std::string& text);

}  // namespace rillo::cli

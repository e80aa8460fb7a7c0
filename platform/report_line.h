#pragma once

#include <string>
#include <vector>

namespace rillo {

// The font of a printed line: its family name, its size in points and the
// emphasis (bold) that the channel-name line wears.
struct ReportFont {
    std::string family = "Times New Roman";
    double pointSize = 12.0;
    bool emphasised = false;

    bool operator==(const ReportFont&) const = default;
};

// Where an item of a line starts. Positions count in character columns of the
// line's font (the width of its average character), from 1.
enum class Placement {
    AtColumn,  // at column `column`
    NextZone,  // at the next print zone (every 14 columns) after the text before it, one blank at least
    Centred,   // centred on the printable width
};

struct ReportItem {
    Placement placement = Placement::AtColumn;
    int column = 1;    // AtColumn only
    std::string text;  // UTF-8

    bool operator==(const ReportItem&) const = default;
};

// What a line is to the report's pages: the channel name and the table
// heading are repeated at the top of every further page; after the heading
// and each table row pending window events run.
enum class ReportLineRole { Plain, ChannelName, TableHeading, TableRow };

// One printed line; a line without items is an empty line of its font's height.
struct ReportLine {
    ReportFont font;
    std::vector<ReportItem> items;
    ReportLineRole role = ReportLineRole::Plain;

    bool operator==(const ReportLine&) const = default;
};

// Width of one print zone in columns; zones start at columns 1, 15, 29, ...
inline constexpr int kReportZoneColumns = 14;

}  // namespace rillo

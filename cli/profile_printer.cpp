#include "cli/profile_printer.h"

#include <algorithm>
#include <array>
#include <iomanip>

#include "engine/table_headings.h"

namespace rillo::cli {

void PrintText(const ProfileReport& report, std::ostream& out) {
    const UnitSystem u = report.units;
    if (!report.title.empty()) {
        out << report.title << " (" << (u == UnitSystem::English ? "English" : "SI") << " units)\n\n";
    }
    const std::array<std::pair<std::string_view, const std::string*>, 6> summary = {{
        {SummaryCaption(SummaryItem::NormalDepth, u), &report.summary.normalDepth},
        {SummaryCaption(SummaryItem::NormalArea, u), &report.summary.normalArea},
        {SummaryCaption(SummaryItem::CriticalDepth, u), &report.summary.criticalDepth},
        {SummaryCaption(SummaryItem::CriticalArea, u), &report.summary.criticalArea},
        {SummaryCaption(SummaryItem::FlowType, u), &report.summary.flowType},
        {SummaryCaption(SummaryItem::ProfileType, u), &report.summary.profileType},
    }};
    for (const auto& [caption, value] : summary) {
        out << std::left << std::setw(22) << caption << *value << "\n";
    }
    out << std::left << std::setw(22)
        << (u == UnitSystem::English ? "Control depth, ft:" : "Control depth, m:")
        << report.controlDepth.value_or("") << "\n\n";
    PrintTextTable(report.table, u, out);
}

void PrintTextTable(const ProfileTable& table, UnitSystem u, std::ostream& out,
                    std::span<const std::string> rowNotes) {
    // Each column as wide as its widest heading or cell, right-aligned.
    std::array<std::size_t, kProfileColumnCount> width{};
    for (int c = 0; c < kProfileColumnCount; ++c) {
        auto i = static_cast<std::size_t>(c);
        width[i] = std::max(TableHeading(c, 0, u).size(), TableHeading(c, 1, u).size());
        for (const ProfileRow& row : table) width[i] = std::max(width[i], row.cells[i].size());
    }
    auto printLine = [&](auto cellText, const std::string& note) {
        for (int c = 0; c < kProfileColumnCount; ++c) {
            auto i = static_cast<std::size_t>(c);
            out << (c == 0 ? "" : "  ") << std::right << std::setw(static_cast<int>(width[i])) << cellText(c);
        }
        if (!note.empty()) out << "  " << note;
        out << "\n";
    };
    printLine([&](int c) { return std::string(TableHeading(c, 0, u)); }, "");
    printLine([&](int c) { return std::string(TableHeading(c, 1, u)); }, "");
    for (std::size_t r = 0; r < table.size(); ++r) {
        const std::string note = r < rowNotes.size() ? rowNotes[r] : std::string();
        printLine([&](int c) { return table[r].cells[static_cast<std::size_t>(c)]; }, note);
    }
}

void PrintTsv(const ProfileReport& report, std::ostream& out) {
    const ProfileSummary& s = report.summary;
    out << "normal_depth\t" << s.normalDepth << "\n"
        << "normal_area\t" << s.normalArea << "\n"
        << "critical_depth\t" << s.criticalDepth << "\n"
        << "critical_area\t" << s.criticalArea << "\n"
        << "flow_type\t" << s.flowType << "\n"
        << "profile_type\t" << s.profileType << "\n"
        << "control_depth\t" << report.controlDepth.value_or("") << "\n"
        << "\n";
    PrintTsvRows(report.table, out);
}

void PrintTsvRows(const ProfileTable& table, std::ostream& out) {
    for (const ProfileRow& row : table) {
        for (int c = 0; c < kProfileColumnCount; ++c) {
            out << (c == 0 ? "" : "\t") << row.cells[static_cast<std::size_t>(c)];
        }
        out << "\n";
    }
}

void PrintReport(const ProfileReport& report, OutputFormat format, std::ostream& out) {
    if (format == OutputFormat::Tsv) {
        PrintTsv(report, out);
    } else {
        PrintText(report, out);
    }
}

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') line.push_back(' ');
        } else {
            line.push_back(c);
        }
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace rillo::cli

#include "documents/print_profile_report.h"

#include <QDate>
#include <algorithm>
#include <exception>

#include "documents/report/profile_report.h"

namespace rillo {

std::optional<std::string> PrintProfileReport(LinePrinter& printer, const ProfileDocument& document,
                                              const CalendarDate& today, int copies,
                                              const std::function<void()>& letEventsRun) {
    std::optional<std::string> failure;
    try {
        const std::vector<ReportLine> lines = ProfileReportLines(document, today);
        for (int copy = 0; copy < std::max(copies, 1); ++copy) {
            for (const ReportLine& line : lines) {
                printer.PrintLine(line);
                if (line.isTableRow && letEventsRun) letEventsRun();
            }
            printer.NewPage();
        }
    } catch (const std::exception& e) {
        failure = e.what();
    }
    try {
        printer.EndDocument();
    } catch (const std::exception& e) {
        if (!failure) failure = e.what();
    }
    return failure;
}

CalendarDate TodayOnThisComputer() {
    const QDate today = QDate::currentDate();
    return {today.year(), static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day())};
}

}  // namespace rillo

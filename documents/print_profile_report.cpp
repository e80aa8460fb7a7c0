#include "documents/print_profile_report.h"

#include <QDate>
#include <algorithm>
#include <exception>

#include "documents/report/profile_report.h"
#include "documents/report/report_pages.h"

namespace rillo {

namespace {

std::vector<ReportLine> Scaled(std::vector<ReportLine> lines, double scale) {
    for (ReportLine& line : lines) line.font.pointSize *= scale;
    return lines;
}

// The scale of every font (1 at most) at which the widest line laid out in
// columns fits between the margins. Widths follow the size only nearly (a
// printer rounds them to its dots), so the fit is measured again at the scale
// found and narrowed until it holds.
double FittingScale(LinePrinter& printer, const std::vector<ReportLine>& lines) {
    const double width = printer.PrintableWidth();
    double scale = 1.0;
    for (int attempt = 0; attempt < 16; ++attempt) {
        double widest = 0.0;
        for (const ReportLine& line : Scaled(lines, scale))
            widest = std::max(widest, printer.ColumnsEnd(line));
        if (widest <= width) break;
        scale *= width / widest * 0.999;
    }
    return scale;
}

// The report's lines as they go on paper: scaled to fit the page's width,
// with a long centred text wrapped onto lines of its own.
std::vector<ReportLine> LinesToPrint(LinePrinter& printer, const std::vector<ReportLine>& report) {
    std::vector<ReportLine> lines;
    for (const ReportLine& line : Scaled(report, FittingScale(printer, report))) {
        for (ReportLine& part : printer.WrappedLines(line)) lines.push_back(std::move(part));
    }
    return lines;
}

double HeightOf(LinePrinter& printer, const ReportLine& line) {
    printer.SetFont(line.font);
    return printer.LineSpacing();
}

}  // namespace

std::optional<std::string> PrintProfileReport(LinePrinter& printer, const ProfileDocument& document,
                                              const CalendarDate& today, int copies,
                                              const std::function<void()>& letEventsRun) {
    std::vector<ReportLine> report;
    try {
        report = ProfileReportLines(document, today);
    } catch (const std::exception& e) {
        try {
            printer.EndDocument();
        } catch (const std::exception&) {
        }
        return e.what();
    }
    return PrintReportLines(printer, report, copies, letEventsRun);
}

std::optional<std::string> PrintReportLines(LinePrinter& printer, const std::vector<ReportLine>& report,
                                            int copies, const std::function<void()>& letEventsRun) {
    std::optional<std::string> failure;
    try {
        if (report.empty()) throw LinePrintError("There is nothing to print.");
        if (printer.PrintableWidth() <= 0.0 || printer.PageHeight() <= 0.0) {
            throw LinePrintError("The margins leave no room on the page to print on.");
        }
        const std::vector<ReportLine> lines = LinesToPrint(printer, report);
        // The footer is set in the table's font.
        const ReportFont footerFont = lines.back().font;
        const double footerHeight = HeightOf(printer, PageFooter(1, 1, footerFont));
        const std::vector<std::vector<ReportLine>> pages =
            ReportPages(lines, printer.PageHeight() - footerHeight,
                        [&printer](const ReportLine& line) { return HeightOf(printer, line); });
        const int pageCount = static_cast<int>(pages.size());
        for (int copy = 0; copy < std::max(copies, 1); ++copy) {
            for (int page = 0; page < pageCount; ++page) {
                for (const ReportLine& line : pages[static_cast<std::size_t>(page)]) {
                    printer.PrintLine(line);
                    const bool table =
                        line.role == ReportLineRole::TableHeading || line.role == ReportLineRole::TableRow;
                    if (table && letEventsRun) letEventsRun();
                }
                printer.MoveToFoot();
                printer.PrintLine(PageFooter(page + 1, pageCount, footerFont));
                printer.NewPage();
            }
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

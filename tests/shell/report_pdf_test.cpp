#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "documents/format/profile_file_writer.h"
#include "documents/print_profile_report.h"
#include "documents/report/long_date.h"
#include "shell/headless_export.h"
#include "shell/qt_line_printer.h"
#include "tests/support/disk_full_io.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

// The PDF's text laid out as on the page (pdftotext from poppler-utils), one
// string per page.
QStringList PdfPages(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
    return pages;
}

QStringList NonEmptyLines(const QString& page) {
    QStringList lines;
    for (const QString& line : page.split('\n')) {
        if (!line.trimmed().isEmpty()) lines << line;
    }
    return lines;
}

// A printed word and its place on the page, in points.
struct Word {
    double left, right, top;
    QString text;
};
struct PageWords {
    double width = 0;
    std::vector<std::vector<Word>> lines;  // top to bottom, each left to right
};

// The words of the first page with their boxes (pdftotext -bbox), in lines.
PageWords FirstPageWords(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PageWords page;
    static const QRegularExpression pageTag("<page width=\"([0-9.]+)\"");
    page.width = pageTag.match(html).captured(1).toDouble();
    static const QRegularExpression wordTag(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">([^<]*)</word>");
    std::vector<Word> words;
    for (auto it = wordTag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(3).toDouble(), m.captured(2).toDouble(),
                         m.captured(4).replace("&apos;", "'")});
    }
    // pdftotext gives the words in its reading order, column by column.
    std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
        return std::abs(a.top - b.top) > 2.0 ? a.top < b.top : a.left < b.left;
    });
    for (const Word& word : words) {
        if (page.lines.empty() || std::abs(page.lines.back().front().top - word.top) > 2.0)
            page.lines.emplace_back();
        page.lines.back().push_back(word);
    }
    return page;
}

TEST(ReportPdf, TheWorkedExampleReadsBackFromThePrinterInOrderWithItsColumnsInLine) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    const ProfileDocument document = testing::WorkedExampleDocument();
    {
        QtLinePrinter lines(printer);
        ASSERT_EQ(PrintProfileReport(lines, document, {2024, 3, 4}, 1), std::nullopt);
    }
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QStringList lines = NonEmptyLines(pages[0]);
    ASSERT_EQ(lines.size(), 4 + 4 + 1 + 16 + 1);
    const QStringList expected = {
        "STEADY-STATE WATER-SURFACE PROFILE",
        "Trapezoidal Channel",
        "Monday, March 4, 2024",
        "English Units",
        "Length = 1000 Normal Depth = 1.721 XSec Area = 23.138",
        "Discharge = 100 Critical Depth = 1.329 XSec Area = 16.817",
        "Width = 10 Control Depth = 1.329 Flow Type = subcritical",
        "Manning's n = 0.013 Invert Slope = 0.001 Side Slope = 2",
        "Station Depth Energy Area Velocity Top Width Momentum",
        "10+00.000 1.329 1.878 16.817 5.946 15.315 28.857",
    };
    for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i].simplified(), expected[i]);
    EXPECT_EQ(lines[lines.size() - 2].simplified(), "0+00.000 1.702 2.000 22.808 4.384 16.807 31.379");
    EXPECT_EQ(lines.back().simplified(), "Page 1 of 1");

    // Measured on the page: the title block centred, the summary's labels and
    // the table's columns starting where those of their first line start, and
    // every word inside the printable width.
    const PageWords page = FirstPageWords(pdf);
    ASSERT_EQ(page.lines.size(), 4u + 4u + 1u + 16u + 1u);
    auto middle = [](const std::vector<Word>& line) { return (line.front().left + line.back().right) / 2; };
    for (int i = 1; i < 4; ++i) EXPECT_NEAR(middle(page.lines[i]), middle(page.lines[0]), 0.5);
    // The left edges of the summary's items "Label = value": the first word and each word after a value.
    auto itemStarts = [](const std::vector<Word>& line) {
        std::vector<double> starts{line.front().left};
        for (std::size_t w = 0; w + 2 < line.size(); ++w) {
            if (line[w].text == "=") starts.push_back(line[w + 2].left);
        }
        return starts;
    };
    const std::vector<double> summary = itemStarts(page.lines[4]);
    ASSERT_EQ(summary.size(), 3u);
    for (int i = 5; i < 8; ++i) {
        const std::vector<double> starts = itemStarts(page.lines[i]);
        ASSERT_EQ(starts.size(), 3u) << i;
        for (int item : {0, 1}) EXPECT_NEAR(starts[item], summary[item], 0.5) << i;
    }
    const std::vector<Word>& heading = page.lines[8];
    ASSERT_EQ(heading.size(), 8u);  // "Top Width" is two words
    const double columns[7] = {heading[0].left, heading[1].left, heading[2].left, heading[3].left,
                               heading[4].left, heading[5].left, heading[7].left};
    EXPECT_LT(columns[0], page.lines[4][0].left);  // column 28 before column 30
    for (std::size_t i = 9; i + 1 < page.lines.size(); ++i) {
        ASSERT_EQ(page.lines[i].size(), 7u);
        for (int k = 0; k < 7; ++k) EXPECT_NEAR(page.lines[i][k].left, columns[k], 0.5) << i << " " << k;
    }
    const double printableRight = printer.pageLayout().paintRect(QPageLayout::Point).right();
    for (const auto& line : page.lines) EXPECT_LE(line.back().right, printableRight + 0.5);
    // The footer sits at the foot of the printable area, centred like the title.
    const double printableBottom = printer.pageLayout().paintRect(QPageLayout::Point).bottom();
    EXPECT_NEAR(middle(page.lines.back()), middle(page.lines[0]), 0.5);
    EXPECT_GT(page.lines.back().front().top, printableBottom - 14.0);
}

TEST(ReportPdf, ALongTableAndTwoCopiesRunOnToFurtherPages) {
    ProfileDocument document = testing::WorkedExampleDocument();
    const ProfileTable computed = document.table;
    document.table.clear();
    for (int i = 0; i < 61; ++i)
        document.table.push_back(computed[static_cast<std::size_t>(i) % computed.size()]);
    QTemporaryDir folder;
    const QString pdf = folder.filePath("long.pdf");
    {
        PdfLinePrinter printer(pdf, DefaultReportPageLayout());
        ASSERT_EQ(PrintProfileReport(printer, document, {2024, 3, 4}, 2), std::nullopt);
    }
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 4) << "two pages a copy, no blank page";
    int rows = 0;
    for (int page = 0; page < 4; ++page) {
        const QStringList lines = NonEmptyLines(pages[page]);
        ASSERT_FALSE(lines.isEmpty());
        const bool copyStarts = page % 2 == 0;
        EXPECT_EQ(lines[0].trimmed(), copyStarts ? "STEADY-STATE WATER-SURFACE PROFILE" : "Trapezoidal Channel");
        EXPECT_EQ(lines.filter(QRegularExpression("^\\s*Station\\s+Depth")).size(), 1) << "every page is headed";
        EXPECT_EQ(lines.back().trimmed(), QString("Page %1 of 2").arg(page % 2 + 1));
        rows += lines.filter(QRegularExpression("^\\s*\\d+\\+\\d\\d\\.\\d{3}\\s")).size();
    }
    EXPECT_EQ(rows, 2 * 61);
}

TEST(ReportPdf, AFailedWriteLeavesNoFileAndTheOldFileAsItWas) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    testing::DiskFullIo full;
    {
        PdfLinePrinter printer(pdf, DefaultReportPageLayout(), full);
        EXPECT_NE(PrintProfileReport(printer, testing::WorkedExampleDocument(), {2024, 3, 4}, 1), std::nullopt);
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());

    QFile old(pdf);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the report of yesterday");
    old.close();
    {
        PdfLinePrinter printer(pdf, DefaultReportPageLayout(), full);
        EXPECT_NE(PrintProfileReport(printer, testing::WorkedExampleDocument(), {2024, 3, 4}, 1), std::nullopt);
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the report of yesterday");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.pdf"});
}

TEST(ReportPdf, AnAbandonedOrEmptyDocumentWritesNothing) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    {
        PdfLinePrinter printer(pdf, DefaultReportPageLayout());
        printer.PrintLine({ReportFont{}, {{Placement::AtColumn, 1, "first line"}}});
    }  // never ended
    EXPECT_FALSE(QFile::exists(pdf));
    {
        PdfLinePrinter printer(pdf, DefaultReportPageLayout());
        EXPECT_THROW(printer.EndDocument(), LinePrintError);
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// The program's --export-pdf: the file read as File, Open reads it.
TEST(ReportPdf, TheHeadlessExportWritesAReadablePdfOrRefusesTheFile) {
    QTemporaryDir folder;
    const QString flo = folder.filePath("reach.flo");
    const QString pdf = folder.filePath("reach.pdf");
    auto write = [&flo](const std::string& text) {
        QFile file(flo);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.data(), static_cast<qint64>(text.size()));
    };
    ProgramOptions options;
    options.fileToOpen = flo;
    options.exportPdf = pdf;

    const std::string text = ProfileFileText(testing::WorkedExampleDocument());
    write(text);
    EXPECT_EQ(RunHeadlessExport(options), kExportWritten);
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    const QStringList lines = NonEmptyLines(pages[0]);
    EXPECT_EQ(lines.value(2).trimmed(), QString::fromStdString(LongDate(TodayOnThisComputer())));
    EXPECT_EQ(lines.value(9).simplified(), "10+00.000 1.329 1.878 16.817 5.946 15.315 28.857");
    QFile::remove(pdf);

    write("Trapezoidal Channel" + text.substr(text.find("\r\n")));  // a header in the wrong case
    EXPECT_EQ(RunHeadlessExport(options), kExportRefused);
    EXPECT_FALSE(QFile::exists(pdf));

    write(text.substr(0, text.find("\r\n", text.find("Station")) + 2));  // no table: nothing to print
    EXPECT_EQ(RunHeadlessExport(options), kExportFailed);
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace rillo

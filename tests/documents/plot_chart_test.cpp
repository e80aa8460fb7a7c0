#include "documents/plot_chart.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace rillo {
namespace {

// Two quantities over a reach from `from` to `to`.
PlotChart ChartOver(double from, double to, const std::string& title) {
    PlotChart chart;
    chart.title = title;
    chart.bottomTitle = "Channel Length, ft";
    for (int p = 0; p <= 15; ++p) chart.x.push_back(from + (to - from) * p / 15.0);
    chart.series.push_back({1, "Depth, ft", std::vector<double>(16, 1.329)});
    chart.series.push_back({2, "Specific, Energy, ft", std::vector<double>(16, 1.878)});
    return chart;
}

struct SvgContent {
    QString error;      // of the XML reader; empty when the file is well-formed
    QString title;      // the document's <title>
    QStringList texts;  // every <text> drawn
};

SvgContent ReadSvg(const QString& path) {
    QFile file(path);
    SvgContent content;
    if (!file.open(QIODevice::ReadOnly)) {
        content.error = "not written";
        return content;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"title") content.title = xml.readElementText();
        if (xml.name() == u"text") {
            content.texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    if (xml.hasError()) content.error = xml.errorString();
    return content;
}

// Whatever the channel is named, the SVG is well-formed XML whose title and
// drawing hold the name as typed; characters XML cannot carry become blanks.
TEST(PlotChartSvg, AnyTitleGivesWellFormedXmlThatKeepsItsText) {
    const struct {
        std::string title, shown;
    } cases[] = {
        {"Ditch A & B", "Ditch A & B"},
        {"<B>Mill race</B>", "<B>Mill race</B>"},
        {"say \"hi\" & 'bye' > <", "say \"hi\" & 'bye' > <"},
        {"]]> &amp; <!-- -->", "]]> &amp; <!-- -->"},
        {"bell\x07 and\x1b escape", "bell  and  escape"},
        {"Überlauf µ", "Überlauf µ"},
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const QString path = folder.filePath("plot.svg");
        ASSERT_EQ(WritePlotImageFile(ChartOver(0, 1000, c.title), kPlotChartSize, path), std::nullopt);
        const SvgContent svg = ReadSvg(path);
        EXPECT_EQ(svg.error.toStdString(), "");
        const QString shown = QString::fromStdString(c.shown);
        EXPECT_EQ(svg.title.toStdString(), c.shown);
        EXPECT_TRUE(svg.texts.join(' ').simplified().contains(shown.simplified()))
            << svg.texts.join('|').toStdString();
    }
}

// The axis labels keep all their digits at the smallest size the plot window
// allows and at the largest stations, on screen and in the SVG.
TEST(PlotChartSvg, NoAxisLabelIsCut) {
    const struct {
        double from, to;
    } reaches[] = {{0, 1000}, {0, 10000}, {9999000, 10000000}, {0, 9999999.999}, {-5000000, 9999999}};
    QTemporaryDir folder;
    for (const QSize size : {kPlotChartSize / 2, kPlotChartSize, QSize(1600, 1000)}) {
        for (const auto& r : reaches) {
            SCOPED_TRACE(std::to_string(r.from) + " to " + std::to_string(r.to) + " at " +
                         std::to_string(size.width()));
            const QString path = folder.filePath("plot.svg");
            ASSERT_EQ(WritePlotImageFile(ChartOver(r.from, r.to, "Reach"), size, path), std::nullopt);
            const SvgContent svg = ReadSvg(path);
            EXPECT_EQ(svg.error.toStdString(), "");
            int numbers = 0;
            for (const QString& text : svg.texts) {
                // Legends and titles may be elided at a small size; numbers never.
                const QString cut = QString(text).remove("...");
                EXPECT_FALSE(text.endsWith("...") && cut.contains(QRegularExpression("^[-+0-9.e]+$")))
                    << text.toStdString();
                bool number = false;
                text.toDouble(&number);
                numbers += number;
            }
            EXPECT_GE(numbers, 4) << "both axes carry labels";
        }
    }
}

}  // namespace
}  // namespace rillo

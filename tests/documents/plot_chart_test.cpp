#include "documents/plot_chart.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace rillo {
namespace {

// The SVG of two quantities over a reach, read back as XML: the reader's
// error (empty when well-formed), then the <title> and each <text> drawn.
QStringList SvgOf(double from, double to, const std::string& title, QSize size) {
    PlotChart chart;
    chart.title = title;
    chart.bottomTitle = "Channel Length, ft";
    for (int p = 0; p <= 15; ++p) chart.x.push_back(from + (to - from) * p / 15.0);
    chart.series = {{1, "Depth, ft", std::vector<double>(16, 1.329)},
                    {2, "Specific, Energy, ft", std::vector<double>(16, 1.9)}};
    QTemporaryDir folder;
    const QString path = folder.filePath("plot.svg");
    if (WritePlotImageFile(chart, size, path)) return {"not written"};
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QStringList content{""};
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            (xml.name() == u"title" || xml.name() == u"text")) {
            content << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
    }
    content[0] = xml.errorString();
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const QStringList svg = SvgOf(0, 1000, c.title, kPlotChartSize);
        ASSERT_GE(svg.size(), 2);
        EXPECT_EQ(svg[0].toStdString(), "");
        EXPECT_EQ(svg[1].toStdString(), c.shown) << "the document's title";
        const QString drawn = svg.mid(2).join(' ').simplified();
        EXPECT_TRUE(drawn.contains(QString::fromStdString(c.shown).simplified())) << drawn.toStdString();
    }
}

// The station labels keep all their digits at the smallest size the plot
// window allows and at the largest stations; legends may be elided, numbers
// never.
TEST(PlotChartSvg, NoAxisLabelIsCut) {
    const QRegularExpression cutNumber("^[-+0-9.e]+\\.\\.\\.$");
    const struct {
        double from, to;
    } reaches[] = {{0, 1000}, {0, 10000}, {9999000, 10000000}, {0, 9999999.999}, {-5000000, 9999999}};
    for (const QSize size : {kPlotChartSize / 2, kPlotChartSize, QSize(1600, 1000)}) {
        for (const auto& r : reaches) {
            SCOPED_TRACE(std::to_string(r.to) + " at " + std::to_string(size.width()));
            const QStringList svg = SvgOf(r.from, r.to, "Reach", size);
            EXPECT_EQ(svg[0].toStdString(), "");
            EXPECT_EQ(svg.filter(cutNumber).join(" ").toStdString(), "");
            EXPECT_GE(svg.filter(QRegularExpression("^-?[0-9.]+$")).size(), 4) << "both axes carry labels";
        }
    }
}

}  // namespace
}  // namespace rillo

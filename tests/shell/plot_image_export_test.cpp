#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>
#include <fstream>

#include "documents/format/profile_file_reader.h"
#include "documents/plot_chart.h"
#include "shell/headless_export.h"

namespace rillo {
namespace {

namespace fs = std::filesystem;

const fs::path kWorkedExampleFile =
    fs::path(RILLO_TEST_DATA "/../../fuzz/seeds/trapezoid_worked_example.flo").lexically_normal();

class PlotImageExportTest : public ::testing::Test {
   protected:
    void SetUp() override {
        // Each test has a folder of its own: ctest runs them side by side.
        folder_ =
            fs::path(::testing::TempDir()) /
            (std::string("plot_export_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() +
             "_" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        const ProfileReadResult read = ReadProfileFile(kWorkedExampleFile);
        ASSERT_TRUE(read.ok()) << read.reason;
        document_ = read.document;
    }
    void TearDown() override { fs::remove_all(folder_); }
    QString PathOf(const std::string& name) const {
        return QString::fromStdString((folder_ / name).string());
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
    ProfileDocument document_;
};

TEST_F(PlotImageExportTest, PngIsTwiceTheChartSizeAndShowsTheCurves) {
    ASSERT_EQ(ExportPlotImage(document_, PathOf("plot.png")), std::nullopt);
    const QImage image(PathOf("plot.png"));
    ASSERT_EQ(image.size(), kPlotChartSize * 2);
    // Something is drawn in the plot area, in more than the background's colour.
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QColor c = image.pixelColor(x, y);
            if (c.saturation() > 80) ++coloured;
        }
    }
    EXPECT_GT(coloured, 100);
}

TEST_F(PlotImageExportTest, SvgCarriesTheDefaultTitlesAndNoEmptyFroudeSeries) {
    ASSERT_EQ(ExportPlotImage(document_, PathOf("plot.svg")), std::nullopt);
    QFile file(PathOf("plot.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("Trapezoidal Channel"));
    EXPECT_TRUE(svg.contains("Channel Length, ft"));
    EXPECT_TRUE(svg.contains("Top Width, ft"));
    EXPECT_FALSE(svg.contains("Froude")) << "a file keeps no Froude numbers";
}

// The printed page, in the page set-up given: one page of the paper's size
// holding the chart as one picture.
TEST_F(PlotImageExportTest, PdfIsThePrintedPage) {
    const QPageLayout letterLandscape(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                      QPageLayout::Millimeter);
    ASSERT_EQ(ExportPlotImage(document_, PathOf("plot.Pdf"), letterLandscape), std::nullopt);
    QProcess info;
    info.start("pdfinfo", {PathOf("plot.Pdf")});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString text = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QRegularExpression("Pages:\\s+1\\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Page size:\\s+792 x 612 pts"))) << text.toStdString();
    QProcess images;
    images.start("pdfimages", {"-list", PathOf("plot.Pdf")});
    ASSERT_TRUE(images.waitForFinished(30000));
    const QStringList rows = QString::fromUtf8(images.readAllStandardOutput()).trimmed().split('\n');
    EXPECT_EQ(rows.size(), 3) << "two heading rows and one picture";
}

TEST_F(PlotImageExportTest, AFailedExportLeavesNoFileAndKeepsAnOldOne) {
    {
        std::ofstream old(folder_ / "old.png");
        old << "previous";
    }
    fs::create_directories(folder_ / "folder.png");
    const struct {
        std::string name;
    } cases[] = {{"plot.jpg"}, {"plot"}, {"missing/plot.png"}, {"folder.png"}, {"missing/plot.pdf"}};
    for (const auto& c : cases) {
        EXPECT_NE(ExportPlotImage(document_, PathOf(c.name)), std::nullopt) << c.name;
    }
    EXPECT_EQ(FilesInFolder(), 2u);
    EXPECT_TRUE(fs::is_directory(folder_ / "folder.png"));

    // A document whose table cannot be read writes nothing over the old file.
    document_.table[1].cells[kStationColumn] = "9+9x.000";
    const std::optional<std::string> error = ExportPlotImage(document_, PathOf("old.png"));
    ASSERT_NE(error, std::nullopt);
    std::ifstream old(folder_ / "old.png");
    std::string content;
    std::getline(old, content);
    EXPECT_EQ(content, "previous");
}

}  // namespace
}  // namespace rillo

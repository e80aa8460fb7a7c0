#include "shell/qt_picture_printer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <filesystem>

namespace rillo {
namespace {

namespace fs = std::filesystem;

class QtPicturePrinterTest : public ::testing::Test {
   protected:
    void SetUp() override {
        pdf_ = fs::path(::testing::TempDir()) /
               ("picture_printer_" + std::to_string(QCoreApplication::applicationPid()) + ".pdf");
        fs::remove(pdf_);
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(QString::fromStdString(pdf_.string()));
        printer_.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    }
    void TearDown() override { fs::remove(pdf_); }

    int PagesWritten() const {
        QFile file(QString::fromStdString(pdf_.string()));
        if (!file.open(QIODevice::ReadOnly)) return -1;
        const QByteArray pdf = file.readAll();
        return static_cast<int>(pdf.count("/Type /Page\n") + pdf.count("/Type /Page>>") +
                                pdf.count("/Type /Page "));
    }

    fs::path pdf_;
    QPrinter printer_{QPrinter::HighResolution};
};

TEST_F(QtPicturePrinterTest, MeasuresThePrintableAreaInTwipsAndPrintsEachPage) {
    QtPicturePrinter printer(printer_);
    // Letter less quarter-inch margins: 8 by 10.5 inches.
    EXPECT_EQ(printer.PageSize(), QSizeF(11520, 15120));
    EXPECT_EQ(printer.Orientation(), PageOrientation::Portrait);

    QImage picture(120, 84, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    EXPECT_TRUE(printer.DrawPicture(picture, QRectF(135, 1811.25, 11250, 7875)));
    EXPECT_TRUE(printer.NewPage());
    EXPECT_TRUE(printer.DrawPicture(picture, QRectF(135, 1811.25, 11250, 7875)));
    EXPECT_TRUE(printer.EndDocument());
    EXPECT_EQ(PagesWritten(), 2);

    printer_.setPageOrientation(QPageLayout::Landscape);
    EXPECT_EQ(printer.Orientation(), PageOrientation::Landscape);
    EXPECT_EQ(printer.PageSize(), QSizeF(15120, 11520));
}

TEST_F(QtPicturePrinterTest, APrinterThatCannotStartFailsEveryCallUntilTheEnd) {
    printer_.setOutputFileName("/nonexistent-folder/plot.pdf");
    QtPicturePrinter printer(printer_);
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    EXPECT_FALSE(printer.DrawPicture(picture, QRectF(0, 0, 100, 100)));
    EXPECT_FALSE(printer.NewPage());
    EXPECT_FALSE(printer.EndDocument());
    EXPECT_EQ(printer.Failure(), "The printer could not start the document.");

    // The next document starts afresh.
    printer_.setOutputFileName(QString::fromStdString(pdf_.string()));
    EXPECT_TRUE(printer.DrawPicture(picture, QRectF(0, 0, 100, 100)));
    EXPECT_TRUE(printer.EndDocument());
    EXPECT_EQ(printer.Failure(), "");
    EXPECT_EQ(PagesWritten(), 1);
}

}  // namespace
}  // namespace rillo

#include "shell/plot_command.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QFile>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTimer>
#include <QValueAxis>
#include <filesystem>
#include <functional>

#include "documents/frm_plot.h"
#include "documents/frm_plot_setup.h"
#include "documents/plot_chart.h"
#include "shell/channel_type_commands.h"
#include "shell/unit_commands.h"
#include "tests/support/key_input.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/modal_window.h"
#include "tests/support/sample_profiles.h"

namespace rillo {
namespace {

namespace fs = std::filesystem;
using testing::RecordingPicturePrinter;

using testing::WhileModal;

// Fails the test when a modal window opens while it lives, and closes it.
class NoWindowMayOpen {
   public:
    NoWindowMayOpen() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a window opened: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        timer_.start(0);
    }

   private:
    QTimer timer_;
};

QChart& ChartOf(FrmPlot& plot) {
    return *plot.grfPlot->chart();
}

QString AxisTitle(FrmPlot& plot, Qt::Orientation orientation) {
    const QList<QAbstractAxis*> axes = ChartOf(plot).axes(orientation);
    return axes.isEmpty() ? QString("(no axis)") : axes.front()->titleText();
}

QStringList SeriesNames(FrmPlot& plot) {
    QStringList names;
    for (QAbstractSeries* s : ChartOf(plot).series()) names << s->name();
    return names;
}

class PlotCommandTest : public testing::MainWindowTest {
   protected:
    void SetUp() override { StartProgram(); }

    void ComputeWorkedExample() {
        EnterInputs(testing::WorkedExampleTexts());
        ComputeFromMenu();
        ASSERT_TRUE(services.messages.empty());
    }
    void RunPlot(const std::function<void(FrmPlot&)>& act) {
        WhileModal<FrmPlot>([this] { Main().Menus().mnuPlot->trigger(); }, act);
    }
    static void RunSetup(FrmPlot& plot, const std::function<void(FrmPlotSetup&)>& act) {
        WhileModal<FrmPlotSetup>([&plot] { plot.cmdCustomize->click(); }, act);
    }
    // Plots and reads the chart's title, bottom and left titles.
    std::array<QString, 3> PlottedTitles() {
        std::array<QString, 3> titles;
        RunPlot([&](FrmPlot& plot) {
            titles = {ChartOf(plot).title(), AxisTitle(plot, Qt::Horizontal), AxisTitle(plot, Qt::Vertical)};
            plot.cmdClose->click();
        });
        return titles;
    }
};

TEST_F(PlotCommandTest, WithoutAComputedProfileShowsThePlottingErrorAndTheHiddenViews) {
    Main().GridWindow().hide();
    NoWindowMayOpen guard;
    Main().Menus().mnuPlot->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              "Rillo cannot plot a water surface profile \runtil it has computed one.\r\r"
              "Please enter all of the required inputs \rand select Compute from the Tools|Water Surface "
              "Profile  menu.");
    EXPECT_EQ(services.messages[0].title, "Plotting Error");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(Main().GridWindow().isVisible());
}

TEST_F(PlotCommandTest, TheToolbarButtonPlotsTheWorkedExample) {
    ComputeWorkedExample();
    WhileModal<FrmPlot>([this] { RunToolbarButton(Main().Menus(), "Plot"); },
                        [](FrmPlot& plot) {
                            EXPECT_EQ(plot.windowTitle(), "Water Surface Profile");
                            EXPECT_EQ(plot.grfPlot->size(), kPlotChartSize);
                            EXPECT_EQ(SeriesNames(plot),
                                      (QStringList{"Depth, ft", "Specific Energy, ft", "Area, ft^2",
                                                   "Velocity, ft/s", "Top Width, ft", "Froude Number"}));
                            QChart& chart = ChartOf(plot);
                            EXPECT_EQ(chart.title(), "Trapezoidal Channel");
                            EXPECT_EQ(AxisTitle(plot, Qt::Horizontal), "Channel Length, ft");
                            EXPECT_EQ(AxisTitle(plot, Qt::Vertical), "");
                            auto* x = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).front());
                            ASSERT_NE(x, nullptr);
                            EXPECT_LE(x->min(), 0.0);
                            EXPECT_GE(x->max(), 1000.0);
                            auto* depth = qobject_cast<QLineSeries*>(chart.series().front());
                            ASSERT_NE(depth, nullptr);
                            EXPECT_EQ(depth->count(), 16);
                            EXPECT_EQ(depth->at(0), QPointF(1000.0, 1.329));
                            EXPECT_EQ(depth->pen().style(), Qt::SolidLine);
                            // The legend stands beside the plot area, never over the curves.
                            QApplication::processEvents();
                            EXPECT_EQ(chart.legend()->alignment(), Qt::AlignRight);
                            EXPECT_FALSE(chart.legend()->geometry().intersects(chart.plotArea()));
                            plot.cmdClose->click();
                        });
    EXPECT_GT(services.pendingEventRuns, 0);
    EXPECT_EQ(services.waitDepth, 0);
}

TEST_F(PlotCommandTest, CustomisedTitlesAndStylesFollowOk) {
    ComputeWorkedExample();
    RunPlot([this](FrmPlot& plot) {
        RunSetup(plot, [](FrmPlotSetup& setup) {
            EXPECT_EQ(setup.windowTitle(), "Plot Setup");
            EXPECT_EQ(setup.txtGraphTitle->text(), "Trapezoidal Channel");
            EXPECT_EQ(setup.txtBottomTitle->text(), "Channel Length, ft");
            EXPECT_TRUE(setup.chkGraph->isChecked());
            EXPECT_TRUE(setup.chkXaxis->isChecked());
            EXPECT_FALSE(setup.chkYaxis->isChecked());
            EXPECT_TRUE(setup.optLine->isChecked());
            EXPECT_TRUE(setup.optSolid->isChecked());
            setup.chkGraph->click();
            setup.optDotted->click();
            setup.cmdOK->click();
        });
        EXPECT_TRUE(Main().State().plotCustomised);
        EXPECT_EQ(ChartOf(plot).title(), "");
        EXPECT_EQ(qobject_cast<QLineSeries*>(ChartOf(plot).series().front())->pen().style(), Qt::DotLine);

        RunSetup(plot, [](FrmPlotSetup& setup) {
            EXPECT_TRUE(setup.optDotted->isChecked());
            EXPECT_EQ(setup.txtGraphTitle->text(), "Trapezoidal Channel") << "kept while unchecked";
            setup.chkGraph->click();
            setup.txtGraphTitle->clear();
            setup.cmdOK->click();
        });
        EXPECT_EQ(ChartOf(plot).title(), "");

        RunSetup(plot, [](FrmPlotSetup& setup) {
            setup.txtGraphTitle->setText("Mill race");
            setup.chkYaxis->click();
            setup.txtLeftTitle->setText("Depth and energy");
            setup.optArea->click();
            setup.cmdOK->click();
        });
        EXPECT_EQ(ChartOf(plot).title(), "Mill race");
        EXPECT_EQ(AxisTitle(plot, Qt::Vertical), "Depth and energy");
        EXPECT_NE(qobject_cast<QAreaSeries*>(ChartOf(plot).series().front()), nullptr);
        EXPECT_EQ(ChartOf(plot).series().size(), 6);
        plot.cmdClose->click();
    });

    // The user's titles stay for the next profile...
    ComputeFromMenu();
    EXPECT_EQ(PlottedTitles(),
              (std::array<QString, 3>{"Mill race", "Channel Length, ft", "Depth and energy"}));
    // ...until the units or the channel type change.
    SetUnitSystem(Main(), UnitSystem::SI);
    EXPECT_EQ(PlottedTitles(), (std::array<QString, 3>{"Trapezoidal Channel", "Channel Length, m", ""}));
    Main().State().plotCustomised = true;
    SelectChannelType(Main(), ChannelType::Trapezoidal);
    EXPECT_FALSE(Main().State().plotCustomised);
    EXPECT_EQ(PlottedTitles()[1], "Channel Length, m");
}

// The titles the program refills after a units change are no edit of the
// user's: the Y-axis box stays unticked beside its emptied title.
TEST_F(PlotCommandTest, RefilledTitlesTickNoBox) {
    ComputeWorkedExample();
    RunPlot([this](FrmPlot& plot) {
        RunSetup(plot, [](FrmPlotSetup& setup) {
            setup.chkYaxis->click();
            testing::TypeText(setup.txtLeftTitle, "Depth");
            setup.cmdOK->click();
        });
        EXPECT_EQ(AxisTitle(plot, Qt::Vertical), "Depth");
        plot.cmdClose->click();
    });
    SetUnitSystem(Main(), UnitSystem::SI);
    RunPlot([](FrmPlot& plot) {
        RunSetup(plot, [](FrmPlotSetup& setup) {
            EXPECT_EQ(setup.txtBottomTitle->text(), "Channel Length, m");
            EXPECT_EQ(setup.txtLeftTitle->text(), "");
            EXPECT_EQ((std::array{setup.chkGraph->isChecked(), setup.chkXaxis->isChecked(),
                                  setup.chkYaxis->isChecked()}),
                      (std::array{true, true, false}));
            setup.cmdCancel->click();
        });
        plot.cmdClose->click();
    });
}

TEST_F(PlotCommandTest, TheSetUpDialogLivesForTheRunAndKeepsItsRules) {
    ComputeWorkedExample();
    FrmPlotSetup* first = nullptr;
    RunPlot([&](FrmPlot& plot) {
        RunSetup(plot, [&](FrmPlotSetup& setup) {
            first = &setup;
            // A title box is enabled exactly while its box is checked.
            EXPECT_FALSE(setup.txtLeftTitle->isEnabled());
            setup.chkYaxis->click();
            EXPECT_TRUE(setup.txtLeftTitle->isEnabled());
            setup.chkYaxis->click();
            EXPECT_FALSE(setup.txtLeftTitle->isEnabled());
            // The program's setting a title's text checks nothing.
            setup.chkXaxis->click();
            setup.txtBottomTitle->setText("Reach");
            EXPECT_FALSE(setup.chkXaxis->isChecked());
            EXPECT_FALSE(setup.txtBottomTitle->isEnabled());
            setup.chkXaxis->click();
            testing::TypeText(setup.txtBottomTitle, "es");
            EXPECT_TRUE(setup.chkXaxis->isChecked());
            EXPECT_EQ(setup.txtBottomTitle->text(), "Reaches");
            // The area type has no line styles.
            setup.optArea->click();
            EXPECT_FALSE(setup.optSolid->isEnabled());
            EXPECT_FALSE(setup.optDotted->isEnabled());
            setup.optLine->click();
            EXPECT_TRUE(setup.optDotted->isEnabled());
            // A title box selects its whole text when it gets the focus.
            testing::ShowActive(setup);
            setup.txtGraphTitle->setFocus();
            QApplication::processEvents();
            EXPECT_EQ(setup.txtGraphTitle->selectedText(), "Trapezoidal Channel");
            EXPECT_EQ(setup.chkPlotThis[0]->text(), "Depth, ft");
            setup.chkPlotThis[0]->click();
            setup.cmdCancel->click();
        });
        EXPECT_EQ(ChartOf(plot).series().size(), 6) << "Cancel leaves the chart alone";
        EXPECT_EQ(AxisTitle(plot, Qt::Horizontal), "Channel Length, ft");
        EXPECT_FALSE(Main().State().plotCustomised);
        plot.cmdClose->click();
    });
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(&PlotSetupDialog(Main()), first);
    EXPECT_FALSE(first->chkPlotThis[0]->isChecked()) << "the dialog keeps what the user changed";

    // The unchecked depth takes effect at the next plot; the captions follow the units.
    SetUnitSystem(Main(), UnitSystem::SI);
    RunPlot([&](FrmPlot& plot) {
        EXPECT_EQ(SeriesNames(plot).front(), "Specific, m");
        RunSetup(plot, [&](FrmPlotSetup& setup) {
            EXPECT_EQ(&setup, first);
            EXPECT_EQ(setup.chkPlotThis[0]->text(), "Depth, m");
            EXPECT_EQ(setup.chkPlotThis[5]->text(), "Momentum, m^3");
            EXPECT_EQ(setup.chkPlotThis[6]->text(), "Froude Number");
            setup.cmdCancel->click();
        });
        plot.cmdClose->click();
    });
}

TEST_F(PlotCommandTest, AClickOnTheChartOpensTheSetUp) {
    ComputeWorkedExample();
    RunPlot([](FrmPlot& plot) {
        WhileModal<FrmPlotSetup>(
            [&plot] {
                const QPointF at(100, 100);
                QMouseEvent press(QEvent::MouseButtonPress, at, plot.grfPlot->viewport()->mapToGlobal(at),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QMouseEvent release(QEvent::MouseButtonRelease, at, plot.grfPlot->viewport()->mapToGlobal(at),
                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(plot.grfPlot->viewport(), &press);
                QApplication::sendEvent(plot.grfPlot->viewport(), &release);
            },
            [](FrmPlotSetup& setup) { setup.cmdCancel->click(); });
        plot.cmdClose->click();
    });
}

TEST_F(PlotCommandTest, PrintPlacesEachCopyOnItsOwnPage) {
    struct Case {
        PageOrientation orientation;
        QSizeF page;
        int copiesAnswer;
        std::size_t pages;
        QRectF place;
    };
    // The chart is 600 by 420 pixels: 9000 by 6300 twips.
    const Case cases[] = {
        {PageOrientation::Portrait, {11520, 15120}, 2, 2, {135, 1811.25, 11250, 7875}},
        {PageOrientation::Landscape, {15120, 11520}, 0, 1, {810, 1035, 13500, 9450}},
    };
    ComputeWorkedExample();
    for (const Case& c : cases) {
        services.picturePrinter = RecordingPicturePrinter();
        services.picturePrinter.orientation = c.orientation;
        services.picturePrinter.pageSize = c.page;
        services.printCopies = {c.copiesAnswer};
        services.SetClipboardText("the user's own text");
        RunPlot([](FrmPlot& plot) {
            ASSERT_EQ(plot.grfPlot->size(), kPlotChartSize);
            plot.cmdPrint->click();
            plot.cmdClose->click();
        });
        const RecordingPicturePrinter& printer = services.picturePrinter;
        ASSERT_EQ(printer.documents.size(), 1u);
        EXPECT_TRUE(printer.documents[0].ended);
        ASSERT_EQ(printer.documents[0].pages.size(), c.pages);
        for (const auto& page : printer.documents[0].pages) {
            ASSERT_EQ(page.size(), 1u);
            EXPECT_EQ(page[0].place, c.place);
            EXPECT_EQ(page[0].pictureSize, kPlotChartSize * 4) << "drawn finer than on the screen";
        }
        EXPECT_EQ(services.clipboardText, "the user's own text") << "printing leaves the clipboard alone";
        EXPECT_TRUE(services.clipboardImage.isNull());
    }
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PlotCommandTest, ACancelledPrintDoesNothingAndAFailingOneSaysWhy) {
    ComputeWorkedExample();
    services.printCopies = {std::nullopt, 3};
    services.picturePrinter.failFromPicture = 1;
    RunPlot([](FrmPlot& plot) {
        plot.cmdPrint->click();  // cancelled
        plot.cmdPrint->click();  // the second picture fails
        plot.cmdClose->click();
    });
    EXPECT_EQ(services.printDialogs, 2);
    ASSERT_EQ(services.picturePrinter.documents.size(), 1u);
    EXPECT_EQ(services.picturePrinter.picturesDrawn, 1);
    EXPECT_TRUE(services.picturePrinter.documents[0].ended);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Print Error");
    EXPECT_EQ(services.messages[0].text,
              "The following error occurred while printing:\rThe printer is out of paper.");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(services.waitDepth, 0);
}

// Preview and PDF put the page as Print does, on the printer's page set-up.
TEST_F(PlotCommandTest, PreviewAndPdfShowThePrintedPage) {
    ComputeWorkedExample();
    services.printCopies = {1};
    services.paths = {QStringLiteral("/somewhere/plot.PDF")};
    services.picturePrinter.orientation = PageOrientation::Landscape;
    services.picturePrinter.pageSize = {15120, 11520};
    RunPlot([](FrmPlot& plot) {
        plot.cmdPrint->click();
        plot.cmdPrintPreview->click();
        plot.cmdExport->click();
        plot.cmdClose->click();
    });
    EXPECT_EQ(services.previews, 1);
    ASSERT_EQ(services.pdfPictures.size(), 1u);
    EXPECT_EQ(services.pdfPictures[0].first, "/somewhere/plot.PDF");
    const RecordingPicturePrinter::Document& printed = services.picturePrinter.documents.at(0);
    ASSERT_EQ(printed.pages.size(), 1u);
    for (const RecordingPicturePrinter* other : {&services.previewPictures, &services.pdfPictures[0].second}) {
        ASSERT_EQ(other->documents.size(), 1u);
        EXPECT_TRUE(other->documents[0].ended);
        ASSERT_EQ(other->documents[0].pages.size(), 1u);
        ASSERT_EQ(other->documents[0].pages[0].size(), 1u);
        EXPECT_EQ(other->documents[0].pages[0][0].place, QRectF(810, 1035, 13500, 9450));
        EXPECT_EQ(other->documents[0].pages[0][0].pictureSize, printed.pages[0][0].pictureSize);
    }
    EXPECT_EQ(services.saveRequests.at(0).filter,
              "PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(PlotCommandTest, CopyPutsTheChartOnTheClipboard) {
    ComputeWorkedExample();
    QSize chartSize;
    RunPlot([&](FrmPlot& plot) {
        chartSize = plot.grfPlot->size() * plot.grfPlot->devicePixelRatioF();
        plot.cmdCopy->click();
        plot.cmdClose->click();
    });
    EXPECT_EQ(services.clipboardImage.size(), chartSize);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text,
              "The graph has been copied to the clipboard.\rYou may now paste it into your document.");
    EXPECT_EQ(services.messages[0].title, "Copy");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Information);
}

TEST_F(PlotCommandTest, ExportWritesPngOrSvgByTheExtension) {
    const fs::path folder = fs::path(::testing::TempDir()) /
                            ("plot_export_window_" + std::to_string(QCoreApplication::applicationPid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    auto path = [&](const char* name) { return QString::fromStdString((folder / name).string()); };
    ComputeWorkedExample();
    services.paths = {path("plot.png"), path("plot.SVG"), path("plot.jpg"), path("missing/plot.png")};
    RunPlot([](FrmPlot& plot) {
        for (int i = 0; i < 4; ++i) plot.cmdExport->click();
        plot.cmdClose->click();
    });
    ASSERT_EQ(services.saveRequests.size(), 4u);
    EXPECT_EQ(services.saveRequests[0].filter,
              "PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf");
    EXPECT_EQ(QImage(path("plot.png")).size(), kPlotChartSize * 2);
    QFile svg(path("plot.SVG"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("Channel Length, ft"));
    EXPECT_FALSE(fs::exists(folder / "plot.jpg"));
    ASSERT_EQ(services.messages.size(), 2u);
    for (const auto& message : services.messages) {
        EXPECT_EQ(message.title, "Export Error");
        EXPECT_TRUE(message.text.startsWith("The following error occurred:\r")) << message.text.toStdString();
        EXPECT_EQ(message.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2)
        << "no partial or temporary file is left";
    fs::remove_all(folder);
}

TEST_F(PlotCommandTest, AStationThatDoesNotReadStopsThePlotWithItsError) {
    ComputeWorkedExample();
    Grid().SetCellText(4, 0, "9+9x.000");
    NoWindowMayOpen guard;
    Main().Menus().mnuPlot->trigger();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].title, "Error Occurred");
    EXPECT_EQ(services.messages[0].icon, MessageIcon::Warning);
    EXPECT_FALSE(services.messages[0].text.isEmpty());
}

}  // namespace
}  // namespace rillo

#include "documents/frm_plot.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "documents/frm_plot_setup.h"
#include "documents/plot_chart.h"
#include "documents/plot_printing.h"
#include "platform/center_on_screen.h"
#include "platform/error_messages.h"
#include "platform/picture_printer.h"
#include "platform/platform_services.h"
#include "platform/twips.h"

namespace rillo {

namespace {

// How much finer than on the screen the printed picture is drawn, so that
// text and lines stay sharp on paper; a very large window is drawn less
// finely, so that the picture stays a reasonable size in memory.
constexpr double kPrintScale = 4.0;
constexpr double kLongestPrintedSide = 3200.0;

double PrintScale(QSize chart) {
    return std::min(kPrintScale, kLongestPrintedSide / std::max({chart.width(), chart.height(), 1}));
}

const QString kExportFilter =
    QStringLiteral("PNG Image (*.png)|*.png|SVG Image (*.svg)|*.svg|PDF Document (*.pdf)|*.pdf");

void ShowPrintError(PlatformServices& services, const std::string& failure) {
    ShowSystemError(services, QStringLiteral("Print Error"), QStringLiteral("The following error occurred while printing:"),
                    QString::fromStdString(failure));
}

}  // namespace

FrmPlot::FrmPlot(PlatformServices& services, FrmPlotSetup& setup, std::function<PlotSource()> readSource,
                 bool& plotCustomised, QWidget* parent)
    : QDialog(parent),
      services_(services),
      setup_(setup),
      readSource_(std::move(readSource)),
      plotCustomised_(plotCustomised) {
    WaitCursor wait(services_);
    BuildControls();
    adjustSize();
    // The chart opens at its full size and may then be made smaller.
    grfPlot->setMinimumSize(kPlotChartSize / 2);
    CenterOnScreen(*this);
}

void FrmPlot::BuildControls() {
    setObjectName("frmPlot");
    setWindowTitle("Water Surface Profile");
    setModal(true);

    grfPlot = new QChartView(this);
    grfPlot->setObjectName("grfPlot");
    grfPlot->setRenderHint(QPainter::Antialiasing);
    grfPlot->setMinimumSize(kPlotChartSize);
    grfPlot->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grfPlot->setToolTip("Click the chart to customize it.");
    grfPlot->viewport()->installEventFilter(this);

    auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    cmdCopy = button("cmdCopy", "&Copy");
    cmdPrint = button("cmdPrint", "&Print");
    cmdPrintPreview = button("cmdPrintPreview", "Pre&view");
    cmdCustomize = button("cmdCustomize", "Customi&ze");
    cmdExport = button("cmdExport", "&Export...");
    cmdClose = button("cmdClose", "Cl&ose");
    connect(cmdCopy, &QPushButton::clicked, this, &FrmPlot::Copy);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmPlot::Print);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &FrmPlot::PrintPreview);
    connect(cmdCustomize, &QPushButton::clicked, this, &FrmPlot::Customize);
    connect(cmdExport, &QPushButton::clicked, this, &FrmPlot::Export);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdCopy, cmdPrint, cmdPrintPreview, cmdCustomize, cmdExport}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grfPlot, 1);
    layout->addLayout(buttons);
}

bool FrmPlot::BuildPlotData() {
    try {
        WaitCursor wait(services_);
        const PlotSource source = readSource_();
        PlotSetup setup = setup_.Setup();
        chart_ = rillo::BuildPlotData(source, setup, plotCustomised_);
        setup_.SetTitleChecks(setup.graphTitleChecked, setup.bottomTitleChecked, setup.leftTitleChecked);
        Redraw();
        return true;
    } catch (const std::exception& e) {
        ShowSystemError(services_, QStringLiteral("Error Occurred"), QString(), QString::fromUtf8(e.what()));
        return false;
    }
}

// A chart made afresh, so that nothing of the previous drawing lingers.
void FrmPlot::Redraw() {
    QChart* previous = grfPlot->chart();
    grfPlot->setChart(NewPlotChart(chart_));
    delete previous;
}

QImage FrmPlot::ChartImage(double scale) const {
    return RenderPlotImage(chart_, grfPlot->size(), scale);
}

void FrmPlot::Copy() {
    try {
        WaitCursor wait(services_);
        const QImage image = ChartImage(grfPlot->devicePixelRatioF());
        if (image.isNull()) throw std::runtime_error("the chart could not be drawn");
        services_.SetClipboardImage(image);
    } catch (const std::exception&) {
        ShowUnexpectedFailureShort(services_);
        return;
    }
    services_.ShowMessage(
        QStringLiteral(
            "The graph has been copied to the clipboard.\rYou may now paste it into your document."),
        QStringLiteral("Copy"), MessageIcon::Information);
}

QImage FrmPlot::PrintedPicture() const {
    return ChartImage(PrintScale(grfPlot->size()));
}

QSizeF FrmPlot::ChartTwips() const {
    return QSizeF(PixelsToTwips(grfPlot->width()), PixelsToTwips(grfPlot->height()));
}

void FrmPlot::Print() {
    const std::optional<int> answer = services_.AskPrintCopies();
    if (!answer) return;
    const int copies = *answer <= 0 ? 1 : *answer;
    std::optional<std::string> failure;
    {
        WaitCursor wait(services_);
        failure = PrintPlotPicture(services_.PrinterForPictures(), PrintedPicture(), ChartTwips(), copies,
                                   [this] { services_.ProcessPendingEvents(); });
    }
    if (failure) ShowPrintError(services_, *failure);
}

void FrmPlot::PrintPreview() {
    const QImage picture = PrintedPicture();
    const QSizeF chart = ChartTwips();
    // The preview shows what it drew; there is nothing to report from it.
    services_.ShowPicturePreview(
        [&picture, chart](PicturePrinter& printer) { PrintPlotPicture(printer, picture, chart, 1); });
}

void FrmPlot::Customize() {
    bool chosen = false;
    try {
        if (!plotCustomised_) setup_.FillTitles(chart_.title, chart_.bottomTitle, chart_.leftTitle);
        setup_.SelectStyle(chart_.type, chart_.patternedLines);
        chosen = setup_.Run(readSource_().units);
    } catch (const std::exception&) {
        ShowUnexpectedFailureShort(services_);
        return;
    }
    if (!chosen) return;
    plotCustomised_ = true;
    BuildPlotData();
}

void FrmPlot::Export() {
    const std::optional<QString> path =
        services_.AskSavePath({QString(), kExportFilter, QStringLiteral("png")});
    if (!path) return;
    std::optional<std::string> error;
    {
        WaitCursor wait(services_);
        if (path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            // A page as Print puts it on paper, in the page set-up of the report.
            error = PrintPlotPicture(*services_.BeginPdfPicturePrint(*path), PrintedPicture(), ChartTwips(), 1);
        } else {
            error = WritePlotImageFile(chart_, grfPlot->size(), *path);
        }
    }
    if (error) {
        ShowSystemError(services_, QStringLiteral("Export Error"),
                        QStringLiteral("The following error occurred:"), QString::fromStdString(*error));
    }
}

bool FrmPlot::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grfPlot->viewport() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Customize();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace rillo

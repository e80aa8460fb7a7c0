#include "documents/frm_plot.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "calculators/calculator_controls.h"
#include "documents/chart_commands.h"
#include "documents/frm_plot_setup.h"
#include "documents/plot_chart.h"
#include "documents/plot_printing.h"
#include "platform/center_on_screen.h"
#include "platform/error_messages.h"
#include "platform/picture_printer.h"
#include "platform/platform_services.h"
#include "platform/twips.h"

namespace rillo {

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
        return AddCalculatorButton(*this, name, caption);
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
    for (QPushButton* b : {cmdCopy, cmdPrint, cmdPrintPreview, cmdCustomize, cmdExport})
        buttons->addWidget(b);
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

void FrmPlot::Copy() {
    CopyChart(services_, chart_, *grfPlot);
}

void FrmPlot::Print() {
    PrintChart(services_, chart_, *grfPlot);
}

void FrmPlot::PrintPreview() {
    PreviewChart(services_, chart_, *grfPlot);
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
    ExportChart(services_, chart_, *grfPlot);
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

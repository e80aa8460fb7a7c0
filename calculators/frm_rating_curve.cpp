#include "calculators/frm_rating_curve.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "calculators/calculator_controls.h"
#include "documents/chart_commands.h"
#include "documents/plot_chart.h"
#include "platform/center_on_screen.h"
#include "platform/platform_services.h"

namespace rillo {

FrmRatingCurve::FrmRatingCurve(PlatformServices& services, RatingCurvePoints points, UnitSystem units,
                               std::string title, QWidget* parent)
    : QDialog(parent),
      services_(services),
      points_(std::move(points)),
      units_(units),
      title_(std::move(title)) {
    WaitCursor wait(services_);
    setObjectName("frmRatingCurve");
    setWindowTitle("Rating Curve");
    setModal(true);

    grfRating = new QChartView(this);
    grfRating->setObjectName("grfRating");
    grfRating->setRenderHint(QPainter::Antialiasing);
    grfRating->setMinimumSize(kPlotChartSize);
    grfRating->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    chkVelocity = new QCheckBox("Show &velocity", this);
    chkVelocity->setObjectName("chkVelocity");
    connect(chkVelocity, &QCheckBox::toggled, this, [this] { Redraw(); });

    auto button = [this](const char* name, const char* caption) {
        return AddCalculatorButton(*this, name, caption);
    };
    cmdCopy = button("cmdCopy", "&Copy");
    cmdPrint = button("cmdPrint", "&Print");
    cmdPrintPreview = button("cmdPrintPreview", "Pre&view");
    cmdExport = button("cmdExport", "&Export...");
    cmdClose = button("cmdClose", "Cl&ose");
    connect(cmdCopy, &QPushButton::clicked, this, [this] { CopyChart(services_, chart_, *grfRating); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintChart(services_, chart_, *grfRating); });
    connect(cmdPrintPreview, &QPushButton::clicked, this,
            [this] { PreviewChart(services_, chart_, *grfRating); });
    connect(cmdExport, &QPushButton::clicked, this, [this] { ExportChart(services_, chart_, *grfRating); });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chkVelocity);
    buttons->addStretch();
    for (QPushButton* b : {cmdCopy, cmdPrint, cmdPrintPreview, cmdExport}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grfRating, 1);
    layout->addLayout(buttons);

    Redraw();
    adjustSize();
    grfRating->setMinimumSize(kPlotChartSize / 2);
    CenterOnScreen(*this);
}

// A chart made afresh, so that nothing of the previous drawing lingers.
void FrmRatingCurve::Redraw() {
    chart_ = RatingCurveChart(points_, units_, title_, chkVelocity->isChecked());
    QChart* previous = grfRating->chart();
    grfRating->setChart(NewPlotChart(chart_));
    delete previous;
}

}  // namespace rillo

#include "calculators/frm_rating.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "calculators/calculator_controls.h"
#include "calculators/channel_calculator_controls.h"
#include "calculators/formulas/calculator_captions.h"
#include "calculators/frm_rating_curve.h"
#include "documents/plot/rating_curve.h"
#include "documents/print_profile_report.h"
#include "documents/report/table_report.h"
#include "documents/report/table_text.h"
#include "engine/numeric_text.h"
#include "platform/error_messages.h"
#include "sections/channel_shapes.h"

namespace rillo {

namespace {


// "From, ft:" or "From, ft^3/s:".
std::string RangeCaption(const char* quantity, RatingBy by, UnitSystem units) {
    if (by == RatingBy::Depth) return LengthCaption(quantity, units);
    return std::string(quantity) + (units == UnitSystem::English ? ", ft^3/s:" : ", m^3/s:");
}

// The printed table's headings: the quantity alone, the units in the notes.
const char* const kPrintedHeadings[kRatingColumnCount] = {
    "Depth",   "Flowrate", "Area",       "Velocity", "Top W.",     "Wet. P.",
    "Hyd. R.", "Froude",   "Sp. Energy", "Crit. D.", "Mean Shear", "Max Shear"};

}  // namespace

FrmRating::FrmRating(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent,
                     FileSystemIo& io)
    : CalculatorDialog(services, parent), units_(opening.units), io_(io) {
    WaitCursor wait(services_);
    BuildControls();
    optChanType[ShapeIndex(opening.channelType)]->setChecked(true);
    optRatingBy[0]->setChecked(true);
    txtB->setText(QtText(opening.inputs.widthOrDiameter));
    txtM->setText(QtText(opening.inputs.sideSlopeOrHeight));
    txtn->setText(QtText(opening.inputs.manningN));
    txtS->setText(QtText(opening.inputs.bottomSlope));
    FinishLoading();
}

void FrmRating::BuildControls() {
    setObjectName("frmRating");
    setWindowTitle("Rating Table");

    Label2 = new QLabel(
        "Rillo will compute a rating table of uniform flow for the channel type of your choice, over a range "
        "of "
        "depths or of flowrates.",
        this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    Frame1 = BuildChannelTypeFrame(this, optChanType, [this](int index) { ChannelTypeSelected(index); });

    frmInputs = new QGroupBox(this);
    frmInputs->setObjectName("frmInputs");
    auto* inputs = new QGridLayout(frmInputs);
    AddFieldRow(*inputs, 0, lblB, "lblB", txtB, "txtB", frmInputs);
    AddFieldRow(*inputs, 1, lblM, "lblM", txtM, "txtM", frmInputs);
    AddFieldRow(*inputs, 2, lbln, "lbln", txtn, "txtn", frmInputs);
    AddFieldRow(*inputs, 3, lblS, "lblS", txtS, "txtS", frmInputs);
    inputs->setRowStretch(4, 1);
    lbln->setText(kManningNCaption);
    lblS->setText(kBottomSlopeCaption);
    lblM->setText("Side slope:");
    BindField(txtB, RatingField::Width);
    BindField(txtM, RatingField::Side);
    BindField(txtn, RatingField::Roughness);
    BindField(txtS, RatingField::Slope);

    frmRange = new QGroupBox(this);
    frmRange->setObjectName("frmRange");
    auto* range = new QGridLayout(frmRange);
    const char* byCaptions[] = {"By &depth", "By f&lowrate"};
    const char* byNames[] = {"optRatingBy1", "optRatingBy2"};
    for (int i = 0; i < 2; ++i) {
        optRatingBy[i] = new QRadioButton(byCaptions[i], frmRange);
        optRatingBy[i]->setObjectName(byNames[i]);
        range->addWidget(optRatingBy[i], 0, i);
        connect(optRatingBy[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) RatingBySelected();
        });
    }
    auto* fields = new QGridLayout;
    AddFieldRow(*fields, 0, lblFrom, "lblFrom", txtFrom, "txtFrom", frmRange);
    AddFieldRow(*fields, 1, lblTo, "lblTo", txtTo, "txtTo", frmRange);
    AddFieldRow(*fields, 2, lblStep, "lblStep", txtStep, "txtStep", frmRange);
    range->addLayout(fields, 1, 0, 1, 2);
    range->setRowStretch(2, 1);
    BindField(txtFrom, RatingField::From);
    BindField(txtTo, RatingField::To);
    BindField(txtStep, RatingField::Step);
    std::vector<std::string> rangeCaptions;
    for (RatingBy by : {RatingBy::Depth, RatingBy::Flowrate})
        for (const char* quantity : {"From", "To", "Step"})
            rangeCaptions.push_back(RangeCaption(quantity, by, units_));
    ReserveCaptionWidth(*fields, *frmRange, rangeCaptions);
    std::vector<std::string> fieldCaptions = {kManningNCaption, kBottomSlopeCaption};
    for (const ChannelShape& row : kChannelShapes) {
        fieldCaptions.push_back(WidthOrDiameterCaption(row.type, units_));
        fieldCaptions.push_back(SideCaption(row.type, units_));
    }
    ReserveCaptionWidth(*inputs, *frmInputs, fieldCaptions);

    grdRating = new QTableWidget(0, static_cast<int>(kRatingColumnCount), this);
    grdRating->setObjectName("grdRating");
    grdRating->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRating->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grdRating->verticalHeader()->setVisible(false);
    grdRating->verticalHeader()->setDefaultSectionSize(grdRating->fontMetrics().height() + 6);
    QStringList headings;
    // Quantity above its unit, so that the columns stay narrow.
    for (const std::string& heading : RatingHeadings(units_)) headings << QtText(heading).replace(", ", "\n");
    grdRating->setHorizontalHeaderLabels(headings);
    grdRating->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdRating->setMinimumSize(1200, 360);

    auto button = [this](const char* name, const char* caption) {
        return AddCalculatorButton(*this, name, caption);
    };
    cmdCompute = button("cmdCompute", "Compute");
    cmdCopy = button("cmdCopy", "&Copy");
    cmdExport = button("cmdExport", "&Export CSV...");
    cmdPrint = button("cmdPrint", "&Print");
    cmdPrintPreview = button("cmdPrintPreview", "Pre&view");
    cmdPlot = button("cmdPlot", "Rating &Curve");
    cmdClose = button("cmdClose", "&Close");
    connect(cmdCompute, &QPushButton::clicked, this, &FrmRating::ComputeClicked);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmRating::Copy);
    connect(cmdExport, &QPushButton::clicked, this, &FrmRating::ExportCsv);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmRating::Print);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &FrmRating::PrintPreview);
    connect(cmdPlot, &QPushButton::clicked, this, &FrmRating::Plot);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdCompute, cmdCopy, cmdExport, cmdPrint, cmdPrintPreview, cmdPlot})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* panels = new QHBoxLayout;
    panels->addWidget(Frame1);
    panels->addWidget(frmInputs);
    panels->addWidget(frmRange);
    panels->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addLayout(panels);
    layout->addWidget(grdRating, 1);
    layout->addLayout(buttons);

    SetTabOrder({optChanType[0], optChanType[1], optChanType[2], optChanType[3],  txtB,
                 txtM,           txtn,           txtS,           optRatingBy[0],  optRatingBy[1],
                 txtFrom,        txtTo,          txtStep,        cmdCompute,      grdRating,
                 cmdCopy,        cmdExport,      cmdPrint,       cmdPrintPreview, cmdPlot,
                 cmdClose});
}

ChannelType FrmRating::SelectedShape() const {
    return CheckedChannelType(optChanType);
}

RatingBy FrmRating::SelectedBy() const {
    return optRatingBy[1]->isChecked() ? RatingBy::Flowrate : RatingBy::Depth;
}

void FrmRating::ChannelTypeSelected(int index) {
    ShowChannelFields(kChannelShapes[static_cast<size_t>(index)].type, units_, *lblB, *lblM, *txtM);
}

void FrmRating::RatingBySelected() {
    const RatingBy by = SelectedBy();
    lblFrom->setText(QtText(RangeCaption("From", by, units_)));
    lblTo->setText(QtText(RangeCaption("To", by, units_)));
    lblStep->setText(QtText(RangeCaption("Step", by, units_)));
}

void FrmRating::ComputeClicked() {
    const RatingInputTexts texts{txtB->text().toStdString(),    txtM->text().toStdString(),
                                 txtn->text().toStdString(),    txtS->text().toStdString(),
                                 txtFrom->text().toStdString(), txtTo->text().toStdString(),
                                 txtStep->text().toStdString()};
    RatingOutcome outcome;
    {
        WaitCursor wait(services_);
        outcome = ComputeRatingTable(SelectedShape(), units_, SelectedBy(), texts);
    }
    if (outcome.message) {
        // A table beside inputs it does not belong to would mislead.
        rows_.clear();
        ShowRows();
        ShowCalculatorMessage(*outcome.message);
        return;
    }
    rows_ = std::move(outcome.rows);
    rowsShape_ = SelectedShape();
    rowsBy_ = SelectedBy();
    rowsTexts_ = texts;
    ShowRows();
}

void FrmRating::ShowRows() {
    WaitCursor wait(services_);
    grdRating->setUpdatesEnabled(false);
    grdRating->clearContents();
    grdRating->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        for (std::size_t c = 0; c < kRatingColumnCount; ++c) {
            auto* item = new QTableWidgetItem(QtText(rows_[r][c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdRating->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    grdRating->setUpdatesEnabled(true);
}

std::vector<std::vector<std::string>> FrmRating::TableWithHeadings() const {
    std::vector<std::vector<std::string>> table{RatingHeadings(units_)};
    for (const RatingRow& row : rows_) table.emplace_back(row.begin(), row.end());
    return table;
}

bool FrmRating::HasTable(const QString& title) {
    if (!rows_.empty()) return true;
    services_.ShowMessage(QStringLiteral("Compute a rating table first."), title, MessageIcon::Information);
    return false;
}

void FrmRating::Copy() {
    if (!HasTable(QStringLiteral("Copy"))) return;
    services_.SetClipboardText(QtText(TabSeparatedText(TableWithHeadings())));
}

void FrmRating::ExportCsv() {
    if (!HasTable(QStringLiteral("Export Error"))) return;
    const std::optional<QString> path = services_.AskSavePath(
        {QStringLiteral("rating.csv"), QStringLiteral("Comma-Separated Values (*.csv)|*.csv"),
         QStringLiteral("csv")});
    if (!path) return;
    QString target = *path;
    if (!target.endsWith(".csv", Qt::CaseInsensitive)) target += ".csv";
    std::optional<std::string> error;
    {
        WaitCursor wait(services_);
        error = WriteFileAtomically(QFile::encodeName(target).toStdString(),
                                    CommaSeparatedText(TableWithHeadings()), io_);
    }
    if (error) {
        ShowSystemError(services_, QStringLiteral("Save Error"),
                        QStringLiteral("The following error occurred:"), QtText(*error));
    }
}

void FrmRating::PrintTo(LinePrinter& printer, int copies) {
    const bool english = units_ == UnitSystem::English;
    const bool trapezoid = rowsShape_ == ChannelType::Trapezoidal;
    TableReport report;
    report.title = rowsBy_ == RatingBy::Depth ? "RATING TABLE BY DEPTH" : "RATING TABLE BY FLOWRATE";
    report.name = std::string(ShapeOf(rowsShape_).displayName);
    report.unitsLine = english ? "English Units" : "SI Units";
    report.inputs = {(trapezoid ? "Width = " : "Diameter = ") + rowsTexts_.width,
                     "Manning's n = " + rowsTexts_.roughness, "Bottom Slope = " + rowsTexts_.slope};
    if (UsesSideInput(rowsShape_))
        report.inputs.push_back((trapezoid ? "Side Slope = " : "Side Height = ") + rowsTexts_.side);
    report.inputs.push_back("From " + rowsTexts_.from + " to " + rowsTexts_.to + " by " + rowsTexts_.step);
    report.notes = {
        english ? "Lengths in ft, flowrates in ft^3/s, areas in ft^2, velocities in ft/s, shear in lb/ft^2."
                : "Lengths in m, flowrates in m^3/s, areas in m^2, velocities in m/s, shear in N/m^2."};
    report.headings.assign(std::begin(kPrintedHeadings), std::end(kPrintedHeadings));
    for (const RatingRow& row : rows_) report.rows.emplace_back(row.begin(), row.end());
    const std::optional<std::string> failure =
        PrintReportLines(printer, TableReportLines(report, TodayOnThisComputer()), copies,
                         [this] { services_.ProcessPendingEvents(); });
    if (failure) {
        ShowSystemError(services_, QStringLiteral("Print Error"),
                        QStringLiteral("The following error occurred while printing:"), QtText(*failure));
    }
}

void FrmRating::Print() {
    if (!HasTable(QStringLiteral("Printing Error"))) return;
    const std::optional<int> copies = services_.AskPrintCopies();
    if (!copies) return;
    std::unique_ptr<LinePrinter> printer = services_.BeginLinePrint();
    WaitCursor wait(services_);
    PrintTo(*printer, std::max(*copies, 1));
}

void FrmRating::PrintPreview() {
    if (!HasTable(QStringLiteral("Printing Error"))) return;
    services_.ShowPrintPreview([this](LinePrinter& printer) { PrintTo(printer, 1); });
}

void FrmRating::Plot() {
    if (!HasTable(QStringLiteral("Rating Curve"))) return;
    RatingCurvePoints points;
    for (const RatingRow& row : rows_) {
        points.flow.push_back(ReadLeadingNumber(row[1]));
        points.depth.push_back(ReadLeadingNumber(row[0]));
        points.velocity.push_back(ReadLeadingNumber(row[3]));
    }
    FrmRatingCurve window(services_, points, units_,
                          "Rating Curve, " + std::string(ShapeOf(rowsShape_).displayName), this);
    window.exec();
}

}  // namespace rillo

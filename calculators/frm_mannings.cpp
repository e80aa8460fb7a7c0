#include "calculators/frm_mannings.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "calculators/calculator_controls.h"
#include "calculators/channel_calculator_controls.h"

namespace rillo {

FrmMannings::FrmMannings(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent)
    : CalculatorDialog(services, parent), units_(opening.units) {
    WaitCursor wait(services_);
    BuildControls();
    optChanType[ShapeIndex(opening.channelType)]->setChecked(true);
    txtQ->setText(QtText(opening.inputs.flowrate));
    txtn->setText(QtText(opening.inputs.manningN));
    txtB->setText(QtText(opening.inputs.widthOrDiameter));
    txtS->setText(QtText(opening.inputs.bottomSlope));
    txtM->setText(QtText(opening.inputs.sideSlopeOrHeight));
    std::vector<ResultLabel*> results = {lblYOutput, lblVOutput, lblAOutput, lblPOutput, lblRHOutput};
    results.insert(results.end(), frmDesign->Results().begin(), frmDesign->Results().end());
    RegisterResults(results);
    FinishLoading();
}

void FrmMannings::BuildControls() {
    setObjectName("frmMannings");
    setWindowTitle("Depth, Flowrate, Slope, and Roughness");

    Label2 = new QLabel(
        "Rillo will compute the depth, flowrate, slope or roughness for the channel type of your choice.  "
        "It will also compute the velocity, area, wetted perimeter, and hydraulic radius.",
        this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    tabMannings1 = new QTabBar(this);
    tabMannings1->setObjectName("tabMannings1");
    for (const char* caption : {"Depth", "Flowrate", "Slope", "Roughness"}) tabMannings1->addTab(caption);
    tabMannings1->setExpanding(false);

    Frame1 = BuildChannelTypeFrame(this, optChanType, [this](int index) { ChannelTypeSelected(index); });

    frmInputs = new QGroupBox(this);
    frmInputs->setObjectName("frmInputs");
    auto* inputs = new QGridLayout(frmInputs);
    AddFieldRow(*inputs, 0, lblQ, "lblQ", txtQ, "txtQ", frmInputs);
    AddFieldRow(*inputs, 1, lblB, "lblB", txtB, "txtB", frmInputs);
    AddFieldRow(*inputs, 2, lbln, "lbln", txtn, "txtn", frmInputs);
    AddFieldRow(*inputs, 3, lblM, "lblM", txtM, "txtM", frmInputs);
    AddFieldRow(*inputs, 4, lblS, "lblS", txtS, "txtS", frmInputs);
    inputs->setRowStretch(5, 1);
    lblM->setText("Side slope:");
    BindField(txtQ, ManningField::Flowrate);
    BindField(txtB, ManningField::Width);
    BindField(txtn, ManningField::Roughness);
    BindField(txtM, ManningField::Side);
    BindField(txtS, ManningField::Slope);  // a bottom slope may be negative

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    auto* results = new QGridLayout(Frame2);
    AddResultRow(*results, 0, lblY, "lblY", lblYOutput, "lblYOutput", Frame2);
    AddResultRow(*results, 1, lblV, "lblV", lblVOutput, "lblVOutput", Frame2);
    AddResultRow(*results, 2, lblA, "lblA", lblAOutput, "lblAOutput", Frame2);
    AddResultRow(*results, 3, lblP, "lblP", lblPOutput, "lblPOutput", Frame2);
    AddResultRow(*results, 4, lblRH, "lblRH", lblRHOutput, "lblRHOutput", Frame2);
    results->setRowStretch(5, 1);

    std::vector<std::string> fieldCaptions, resultCaptions;
    for (ManningUnknown unknown : {ManningUnknown::Depth, ManningUnknown::Flowrate, ManningUnknown::Slope,
                                   ManningUnknown::Roughness}) {
        for (const ChannelShape& row : kChannelShapes) {
            const ManningCaptions c = ManningCalculatorCaptions(unknown, row.type, units_);
            fieldCaptions.insert(fieldCaptions.end(),
                                 {c.flowField, c.widthField, c.roughnessField, c.sideField, c.slopeField});
            resultCaptions.insert(resultCaptions.end(),
                                  {c.unknown, c.velocity, c.area, c.wettedPerimeter, c.hydraulicRadius});
        }
    }
    const DesignQuantityCaptions design = DesignCaptions(units_);
    std::vector<const char*> stems;
    std::vector<std::string> designCaptions;
    for (const DesignRow& row : DesignRows()) {
        stems.push_back(row.stem);
        designCaptions.push_back(design.*row.caption);
    }
    // One caption column for both groups, so that their results line up.
    resultCaptions.insert(resultCaptions.end(), designCaptions.begin(), designCaptions.end());
    ReserveCaptionWidth(*inputs, *frmInputs, fieldCaptions);
    ReserveCaptionWidth(*results, *Frame2, resultCaptions);
    frmDesign = new ResultsGroup(this, "frmDesign", stems, resultCaptions);
    frmDesign->setTitle("Design quantities");
    frmDesign->SetCaptions(designCaptions);

    QHBoxLayout* buttons = BuildComputeCloseRow(this, cmdCompute, cmdClose);
    connect(cmdCompute, &QPushButton::clicked, this, &FrmMannings::ComputeClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(tabMannings1, &QTabBar::currentChanged, this, &FrmMannings::TabSelected);

    auto* panels = new QHBoxLayout;
    panels->addWidget(Frame1);
    panels->addWidget(frmInputs);
    auto* resultsColumn = new QVBoxLayout;
    resultsColumn->addWidget(Frame2);
    resultsColumn->addWidget(frmDesign);
    panels->addLayout(resultsColumn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(tabMannings1);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {tabMannings1,   optChanType[0], optChanType[1], optChanType[2],
                        optChanType[3], txtQ,           txtB,           txtn,
                        txtM,           txtS,           cmdCompute,     cmdClose};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

ChannelType FrmMannings::SelectedShape() const {
    return CheckedChannelType(optChanType);
}

ManningUnknown FrmMannings::SelectedUnknown() const {
    switch (tabMannings1->currentIndex()) {
        case 1: return ManningUnknown::Flowrate;
        case 2: return ManningUnknown::Slope;
        case 3: return ManningUnknown::Roughness;
        default: return ManningUnknown::Depth;
    }
}

void FrmMannings::ApplyCaptions(ChannelType shape) {
    const ManningCaptions c = ManningCalculatorCaptions(SelectedUnknown(), shape, units_);
    lblY->setText(QtText(c.unknown));
    lblQ->setText(QtText(c.flowField));
    lblB->setText(QtText(c.widthField));
    lbln->setText(QtText(c.roughnessField));
    if (UsesSideInput(shape)) lblM->setText(QtText(c.sideField));
    lblS->setText(QtText(c.slopeField));
    lblV->setText(QtText(c.velocity));
    lblA->setText(QtText(c.area));
    lblP->setText(QtText(c.wettedPerimeter));
    lblRH->setText(QtText(c.hydraulicRadius));
}

void FrmMannings::ChannelTypeSelected(int index) {
    const ChannelType shape = kChannelShapes[static_cast<size_t>(index)].type;
    ApplyCaptions(shape);
    ShowFieldRow(*lblM, *txtM, UsesSideInput(shape));
    ShowDesignRows(shape);
}

void FrmMannings::ShowDesignRows(ChannelType shape) {
    const bool conduit = shape == ChannelType::Circular || shape == ChannelType::ElongatedCircular;
    const auto rows = DesignRows();
    for (std::size_t i = 0; i < rows.size(); ++i) frmDesign->ShowRow(i, conduit || !rows[i].conduitOnly);
}

void FrmMannings::TabSelected(int /*index*/) {
    ApplyCaptions(SelectedShape());
    // The unknown has changed: what was found before would stand under a new label.
    ClearResults();
}

void FrmMannings::ComputeClicked() {
    const ManningInputTexts texts{txtQ->text().toStdString(), txtB->text().toStdString(),
                                  txtn->text().toStdString(), txtM->text().toStdString(),
                                  txtS->text().toStdString()};
    const ManningOutcome outcome = ComputeManning(SelectedUnknown(), SelectedShape(), units_, texts);
    if (outcome.message) {
        ShowCalculatorMessage(*outcome.message);
        return;
    }
    const ManningResultTexts& r = *outcome.results;
    lblYOutput->SetResult(QtText(r.unknown));
    lblVOutput->SetResult(QtText(r.velocity));
    lblAOutput->SetResult(QtText(r.area));
    lblPOutput->SetResult(QtText(r.wettedPerimeter));
    lblRHOutput->SetResult(QtText(r.hydraulicRadius));
    std::vector<std::string> design;
    for (const DesignRow& row : DesignRows()) design.push_back((*outcome.design).*row.text);
    frmDesign->SetResults(design);
}

}  // namespace rillo

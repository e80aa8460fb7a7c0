#include "calculators/frm_jump.h"

#include "calculators/channel_calculator_controls.h"
#include "calculators/formulas/hydraulic_jump.h"

namespace rillo {

FrmJump::FrmJump(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent)
    : CalculatorDialog(services, parent), units_(opening.units) {
    WaitCursor wait(services_);
    BuildControls();
    optChanType[ShapeIndex(opening.channelType)]->setChecked(true);
    txtQ->setText(QString::fromStdString(opening.inputs.flowrate));
    txtB->setText(QString::fromStdString(opening.inputs.widthOrDiameter));
    txtSides->setText(QString::fromStdString(opening.inputs.sideSlopeOrHeight));
    RegisterResults({lblY2Output, lblFr1Output, lblFr2Output, lblV1Output, lblV2Output, lblELOutput,
                     lblLOutput, lblTypeOutput});
    FinishLoading();
}

void FrmJump::BuildControls() {
    setObjectName("frmJump");
    setWindowTitle("Hydraulic Jump");

    Label2 = new QLabel(
        "Rillo will compute the sequent depth, energy loss and length of a hydraulic jump from a "
        "supercritical depth in the channel type of your choice.",
        this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    Frame1 = BuildChannelTypeFrame(this, optChanType, [this](int index) { ChannelTypeSelected(index); });

    const JumpCaptions captions = JumpCalculatorCaptions(ChannelType::Trapezoidal, units_);
    frmInputs = new QGroupBox(this);
    frmInputs->setObjectName("frmInputs");
    auto* inputs = new QGridLayout(frmInputs);
    AddFieldRow(*inputs, 0, lblQ, "lblQ", txtQ, "txtQ", frmInputs);
    // The side field comes last: hidden for the circle and the U-shape, it leaves no gap.
    AddFieldRow(*inputs, 1, lblY1, "lblY1", txtY1, "txtY1", frmInputs);
    AddFieldRow(*inputs, 2, lblB, "lblB", txtB, "txtB", frmInputs);
    AddFieldRow(*inputs, 3, lblSides, "lblSides", txtSides, "txtSides", frmInputs);
    inputs->setRowStretch(4, 1);
    lblQ->setText(QString::fromStdString(captions.flowrate));
    lblSides->setText(QString::fromStdString(captions.sides));
    lblY1->setText(QString::fromStdString(captions.upstreamDepth));
    BindField(txtQ, JumpField::Flowrate);
    BindField(txtY1, JumpField::UpstreamDepth);
    BindField(txtB, JumpField::Width);
    BindField(txtSides, JumpField::Sides);

    Frame3 = new QGroupBox(this);
    Frame3->setObjectName("Frame3");
    auto* results = new QGridLayout(Frame3);
    AddResultRows(*results, 0,
                  {
                      {lblY2, "lblY2", captions.sequentDepth, lblY2Output, "lblY2Output"},
                      {lblFr1, "lblFr1", captions.upstreamFroude, lblFr1Output, "lblFr1Output"},
                      {lblFr2, "lblFr2", captions.downstreamFroude, lblFr2Output, "lblFr2Output"},
                      {lblV1, "lblV1", captions.upstreamVelocity, lblV1Output, "lblV1Output"},
                      {lblV2, "lblV2", captions.downstreamVelocity, lblV2Output, "lblV2Output"},
                      {lblEL, "lblEL", captions.energyLoss, lblELOutput, "lblELOutput"},
                      {lblL, "lblL", captions.jumpLength, lblLOutput, "lblLOutput"},
                      {lblType, "lblType", captions.jumpType, lblTypeOutput, "lblTypeOutput"},
                  },
                  Frame3);

    std::vector<std::string> fieldCaptions = {captions.flowrate, captions.upstreamDepth};
    for (const ChannelShape& row : kChannelShapes) {
        const JumpCaptions c = JumpCalculatorCaptions(row.type, units_);
        fieldCaptions.insert(fieldCaptions.end(), {c.width, c.sides});
    }
    ReserveCaptionWidth(*inputs, *frmInputs, fieldCaptions);

    QHBoxLayout* buttons = BuildComputeCloseRow(this, cmdCompute, cmdClose);
    connect(cmdCompute, &QPushButton::clicked, this, &FrmJump::ComputeClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    ArrangeChannelCalculator(*this, *Label2, *Frame1, *frmInputs, *Frame3, buttons);
    SetTabOrder({optChanType[0], optChanType[1], optChanType[2], optChanType[3], txtQ, txtY1, txtB, txtSides,
                 cmdCompute, cmdClose});
}

void FrmJump::ChannelTypeSelected(int index) {
    ShowChannelFields(kChannelShapes[static_cast<size_t>(index)].type, units_, *lblB, *lblSides, *txtSides);
}

void FrmJump::ShowResults(const JumpOutcome& outcome) {
    if (!outcome.results) return;
    const JumpResultTexts& r = *outcome.results;
    const std::pair<ResultLabel*, const std::string&> shown[] = {
        {lblY2Output, r.sequentDepth},       {lblFr1Output, r.upstreamFroude},
        {lblFr2Output, r.downstreamFroude},  {lblV1Output, r.upstreamVelocity},
        {lblV2Output, r.downstreamVelocity}, {lblELOutput, r.energyLoss},
        {lblLOutput, r.jumpLength},          {lblTypeOutput, r.jumpType},
    };
    for (const auto& [label, text] : shown) label->SetResult(QString::fromStdString(text));
}

void FrmJump::ComputeClicked() {
    const JumpInputTexts texts{txtQ->text().toStdString(), txtB->text().toStdString(),
                               txtSides->text().toStdString(), txtY1->text().toStdString()};
    const JumpOutcome outcome = ComputeHydraulicJump(CheckedChannelType(optChanType), units_, texts);
    ShowResults(outcome);
    if (outcome.message) ShowCalculatorMessage(*outcome.message);
}

}  // namespace rillo

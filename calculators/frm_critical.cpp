#include "calculators/frm_critical.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "calculators/channel_calculator_controls.h"
#include "calculators/formulas/calculator_captions.h"
#include "calculators/formulas/critical_depth_calculator.h"

namespace rillo {

FrmCritical::FrmCritical(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent)
    : CalculatorDialog(services, parent), units_(opening.units) {
    WaitCursor wait(services_);
    BuildControls();
    optChanType[ShapeIndex(opening.channelType)]->setChecked(true);
    const CriticalCaptions captions = CriticalCalculatorCaptions(opening.channelType, units_);
    lblQ->setText(QString::fromStdString(captions.flowrate));
    lblYC->setText(QString::fromStdString(captions.criticalDepth));
    txtQ->setText(QString::fromStdString(opening.inputs.flowrate));
    txtn->setText(QString::fromStdString(opening.inputs.manningN));
    txtB->setText(QString::fromStdString(opening.inputs.widthOrDiameter));
    txtSides->setText(QString::fromStdString(opening.inputs.sideSlopeOrHeight));
    std::vector<ResultLabel*> results = {lblYCoutput, lblSC};
    results.insert(results.end(), frmCriticalFlow->Results().begin(), frmCriticalFlow->Results().end());
    RegisterResults(results);
    FinishLoading();
}

void FrmCritical::BuildControls() {
    setObjectName("frmCritical");
    setWindowTitle("Critical Depth and Slope");

    Label2 = new QLabel(
        "Rillo will compute the critical depth and critical slope for the channel type of your choice.",
        this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    Frame1 = BuildChannelTypeFrame(this, optChanType, [this](int index) { ChannelTypeSelected(index); });

    frmInputs = new QGroupBox(this);
    frmInputs->setObjectName("frmInputs");
    auto* inputs = new QGridLayout(frmInputs);
    AddFieldRow(*inputs, 0, lblQ, "lblQ", txtQ, "txtQ", frmInputs);
    AddFieldRow(*inputs, 1, lblB, "lblB", txtB, "txtB", frmInputs);
    AddFieldRow(*inputs, 2, Label3, "Label3", txtn, "txtn", frmInputs);
    AddFieldRow(*inputs, 3, lblSides, "lblSides", txtSides, "txtSides", frmInputs);
    inputs->setRowStretch(4, 1);
    Label3->setText(kManningNCaption);
    lblSides->setText("Side slope:");
    BindField(txtQ, CriticalField::Flowrate);
    BindField(txtB, CriticalField::Width);
    BindField(txtn, CriticalField::ManningN);
    BindField(txtSides, CriticalField::Sides);

    Frame3 = new QGroupBox(this);
    Frame3->setObjectName("Frame3");
    auto* results = new QGridLayout(Frame3);
    AddResultRow(*results, 0, lblYC, "lblYC", lblYCoutput, "lblYCoutput", Frame3);
    AddResultRow(*results, 1, Label4, "Label4", lblSC, "lblSC", Frame3);
    Label4->setText(kCriticalSlopeCaption);

    std::vector<std::string> fieldCaptions = {kManningNCaption}, resultCaptions = {kCriticalSlopeCaption};
    for (const ChannelShape& row : kChannelShapes) {
        const CriticalCaptions c = CriticalCalculatorCaptions(row.type, units_);
        fieldCaptions.insert(fieldCaptions.end(), {c.flowrate, c.width, c.sides});
        resultCaptions.push_back(c.criticalDepth);
    }
    const CriticalCaptions captions = CriticalCalculatorCaptions(ChannelType::Trapezoidal, units_);
    std::vector<const char*> stems;
    std::vector<std::string> flowCaptions;
    for (const CriticalFlowRow& row : CriticalFlowRows()) {
        stems.push_back(row.stem);
        flowCaptions.push_back(captions.*row.caption);
    }
    // One caption column for both groups, so that their results line up.
    resultCaptions.insert(resultCaptions.end(), flowCaptions.begin(), flowCaptions.end());
    ReserveCaptionWidth(*inputs, *frmInputs, fieldCaptions);
    ReserveCaptionWidth(*results, *Frame3, resultCaptions);
    frmCriticalFlow = new ResultsGroup(this, "frmCriticalFlow", stems, resultCaptions);
    frmCriticalFlow->setTitle("Flow at critical depth");
    frmCriticalFlow->SetCaptions(flowCaptions);

    QHBoxLayout* buttons = BuildComputeCloseRow(this, cmdCompute, cmdClose);
    connect(cmdCompute, &QPushButton::clicked, this, &FrmCritical::ComputeClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    ArrangeChannelCalculator(*this, *Label2, *Frame1, *frmInputs, *Frame3, buttons, frmCriticalFlow);
    SetTabOrder({optChanType[0], optChanType[1], optChanType[2], optChanType[3], txtQ, txtB, txtn, txtSides,
                 cmdCompute, cmdClose});
}

void FrmCritical::ChannelTypeSelected(int index) {
    ShowChannelFields(kChannelShapes[static_cast<size_t>(index)].type, units_, *lblB, *lblSides, *txtSides);
}

void FrmCritical::ComputeClicked() {
    const CriticalInputTexts texts{txtQ->text().toStdString(), txtB->text().toStdString(),
                                   txtn->text().toStdString(), txtSides->text().toStdString()};
    const ChannelType shape = CheckedChannelType(optChanType);
    CriticalOutcome outcome = ComputeCriticalDepthAndSlope(shape, units_, texts, false);
    if (outcome.message && outcome.message->yesNoCancel) {
        if (ShowCalculatorMessage(*outcome.message) != MessageAnswer::Yes) return;
        outcome = ComputeCriticalDepthAndSlope(shape, units_, texts, true);
    }
    if (outcome.message) {
        ShowCalculatorMessage(*outcome.message);
        return;
    }
    lblYCoutput->SetResult(QString::fromStdString(*outcome.criticalDepth));
    lblSC->SetResult(QString::fromStdString(*outcome.criticalSlope));
    std::vector<std::string> flow;
    for (const CriticalFlowRow& row : CriticalFlowRows()) flow.push_back((*outcome.criticalFlow).*row.text);
    frmCriticalFlow->SetResults(flow);
}

}  // namespace rillo

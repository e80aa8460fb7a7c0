#include "calculators/frm_gates.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "calculators/calculator_controls.h"
#include "calculators/formulas/calculator_captions.h"

namespace rillo {

FrmGates::FrmGates(PlatformServices& services, UnitSystem units, QWidget* parent)
    : CalculatorDialog(services, parent), units_(units) {
    WaitCursor wait(services_);
    BuildControls();
    lblY1->setText(QtText(LengthCaption("Upstream depth", units_)));
    lblB->setText(QtText(LengthCaption("Gate width", units_)));
    lblGO->setText(QtText(LengthCaption("Gate opening", units_)));
    lblQ->setText(QtText(FlowrateCaption(units_)));
    lblV->setText(QtText(VelocityCaption(units_)));
    RegisterResults({lblQoutput, lblVOutput});
    FinishLoading();
    txtY1->setFocus();
}

void FrmGates::BuildControls() {
    setObjectName("frmGates");
    setWindowTitle("Underflow Gates");

    Label1 = new QLabel(
        "Rillo will compute the flowrate and velocity under a gate in a rectangular channel.  The gate may "
        "be "
        "vertical, tainter, or drum shaped; provided the appropriate contraction coefficient is used.",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* inputs = new QGridLayout(Frame1);
    txtY1 = AddNumericFieldRow(*inputs, lblY1, "lblY1", "Upstream depth, ft:", "txtY1");
    txtB = AddNumericFieldRow(*inputs, lblB, "lblB", "Gate width, ft:", "txtB");
    txtGO = AddNumericFieldRow(*inputs, lblGO, "lblGO", "Gate opening, ft:", "txtGO");
    txtC = AddNumericFieldRow(*inputs, lblC, "lblC", "Gate coefficient:", "txtC");
    BindField(txtY1, GateField::UpstreamDepth);
    BindField(txtB, GateField::Width);
    BindField(txtGO, GateField::Opening);
    BindField(txtC, GateField::Coefficient);
    txtC->setText("0.61");

    frmInputs = new QGroupBox(this);
    frmInputs->setObjectName("frmInputs");
    auto* results = new QGridLayout(frmInputs);
    lblQoutput = AddResultRow(*results, lblQ, "lblQ", "Flowrate, ft^3/s:", "lblQoutput");
    lblVOutput = AddResultRow(*results, lblV, "lblV", "Velocity, ft/s:", "lblVOutput");
    results->setRowStretch(results->rowCount(), 1);

    cmdCompute = AddCalculatorButton(*this, "cmdCompute", "Compute");
    cmdClose = AddCalculatorButton(*this, "cmdClose", "&Close");
    connect(cmdCompute, &QPushButton::clicked, this, &FrmGates::ComputeClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCompute);
    buttons->addWidget(cmdClose);

    auto* body = new QHBoxLayout;
    body->addWidget(Frame1);
    body->addWidget(frmInputs);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(body);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label1->setMaximumWidth(520);

    setTabOrder(txtY1, txtB);
    setTabOrder(txtB, txtGO);
    setTabOrder(txtGO, txtC);
    setTabOrder(txtC, cmdCompute);
    setTabOrder(cmdCompute, cmdClose);
}

void FrmGates::ComputeClicked() {
    GateInputs in;
    in.units = units_;
    in.upstreamDepth = txtY1->text().toStdString();
    in.width = txtB->text().toStdString();
    in.opening = txtGO->text().toStdString();
    in.coefficient = txtC->text().toStdString();
    const GateResult result = ComputeGateFlow(in);
    if (!result.ok()) {
        ShowCalculatorMessage(*result.message);
        return;
    }
    lblQoutput->SetResult(QString::fromStdString(result.flowrate));
    lblVOutput->SetResult(QString::fromStdString(result.velocity));
}

}  // namespace rillo

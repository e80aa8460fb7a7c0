#include "calculators/frm_orifices.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "calculators/calculator_controls.h"
#include "calculators/formulas/calculator_captions.h"

namespace rillo {

FrmOrifices::FrmOrifices(PlatformServices& services, UnitSystem units, QWidget* parent)
    : CalculatorDialog(services, parent), units_(units) {
    WaitCursor wait(services_);
    BuildControls();
    lblB->setText(QtText(LengthCaption("Diameter", units_)));
    lblH->setText(QtText(LengthCaption("Head", units_)));
    lblQ->setText(QtText(FlowrateCaption(units_)));
    RegisterResults({lblQoutput});
    FinishLoading();
    txtH->setFocus();
}

void FrmOrifices::BuildControls() {
    setObjectName("frmOrifices");
    setWindowTitle("Orifices");

    Label2 = new QLabel(
        "Rillo will compute the flowrate through a circular or square orifice.  Typical values for the "
        "orifice "
        "discharge coefficient range from 0.5 to 1.0.",
        this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    Frame3 = new QGroupBox("Select the orifice shape.", this);
    Frame3->setObjectName("Frame3");
    auto* shapes = new QVBoxLayout(Frame3);
    const std::array<const char*, 2> shapeCaptions = {"Circular", "Square"};
    for (size_t i = 0; i < optOrifice.size(); ++i) {
        auto* option = new QRadioButton(shapeCaptions[i], Frame3);
        option->setObjectName(QString("optOrifice%1").arg(i + 1));
        connect(option, &QRadioButton::clicked, this, [this, i] { ShapeClicked(static_cast<int>(i)); });
        shapes->addWidget(option);
        optOrifice[i] = option;
    }
    shapes->addStretch();
    optOrifice[0]->setChecked(true);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName("Frame1");
    auto* inputs = new QGridLayout(Frame1);
    txtH = AddNumericFieldRow(*inputs, lblH, "lblH", "Head, ft:", "txtH");
    txtB = AddNumericFieldRow(*inputs, lblB, "lblB", "Diameter, ft:", "txtB");
    txtC = AddNumericFieldRow(*inputs, lblC, "lblC", "Orifice coefficient:", "txtC");
    BindField(txtB, OrificeField::Size);
    BindField(txtC, OrificeField::Coefficient);
    BindField(txtH, OrificeField::Head);
    txtC->setText("0.61");

    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    auto* result = new QGridLayout(Frame2);
    lblQoutput = AddResultRow(*result, lblQ, "lblQ", "Flowrate, ft^3/s:", "lblQoutput");

    cmdCompute = AddCalculatorButton(*this, "cmdCompute", "Compute");
    cmdClose = AddCalculatorButton(*this, "cmdClose", "&Close");
    connect(cmdCompute, &QPushButton::clicked, this, &FrmOrifices::ComputeClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCompute);
    buttons->addWidget(cmdClose);

    auto* body = new QGridLayout;
    body->addWidget(Frame3, 0, 0, 2, 1);
    body->addWidget(Frame1, 0, 1);
    body->addWidget(Frame2, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addLayout(body);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label2->setMinimumWidth(450);
    Label2->setMaximumWidth(450);

    setTabOrder(optOrifice[0], optOrifice[1]);
    setTabOrder(optOrifice[1], txtH);
    setTabOrder(txtH, txtB);
    setTabOrder(txtB, txtC);
    setTabOrder(txtC, cmdCompute);
    setTabOrder(cmdCompute, cmdClose);
}

void FrmOrifices::ShapeClicked(int index) {
    if (index == 0) lblB->setText(QtText(LengthCaption("Diameter", units_)));
    if (index == 1) lblB->setText(QtText(LengthCaption("Width", units_)));
}

void FrmOrifices::ComputeClicked() {
    OrificeInputs in;
    in.shape = optOrifice[0]->isChecked() ? OrificeShape::Circular : OrificeShape::Square;
    in.units = units_;
    in.size = txtB->text().toStdString();
    in.coefficient = txtC->text().toStdString();
    in.head = txtH->text().toStdString();
    const OrificeResult result = ComputeOrificeFlow(in);
    if (!result.ok()) {
        ShowCalculatorMessage(*result.message);
        return;
    }
    lblQoutput->SetResult(QString::fromStdString(result.flowrate));
}

}  // namespace rillo

#include "calculators/frm_weirs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "calculators/calculator_controls.h"
#include "calculators/formulas/calculator_captions.h"

namespace rillo {

namespace {


// A control hidden by a shape or tab keeps its place, so the window does not
// change size under the user's pointer.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

FrmWeirs::FrmWeirs(PlatformServices& services, UnitSystem units, QWidget* parent)
    : CalculatorDialog(services, parent), units_(units) {
    WaitCursor wait(services_);
    BuildControls();
    lblWeirL->setText(LengthCaption());
    lblH->setText(QtText(rillo::LengthCaption("Upstream head", units_)));
    lblQ->setText(QtText(FlowrateCaption(units_)));
    RegisterResults({lblWeirQ});
    FinishLoading();
    txtWeirL->setFocus();
}

void FrmWeirs::BuildControls() {
    setObjectName("frmWeirs");
    setWindowTitle("Weirs");

    Label1 = new QLabel(
        "Rillo will compute the flowrate over a free-flowing or submerged weir.  Please select a "
        "rectangular, "
        "triangular, or Cipolleti weir shape.",
        this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);

    tabWeirs = new QTabBar(this);
    tabWeirs->setObjectName("tabWeirs");
    tabWeirs->addTab("Free-flowing");
    tabWeirs->addTab("Submerged");
    tabWeirs->setDrawBase(false);
    tabWeirs->setExpanding(false);
    connect(tabWeirs, &QTabBar::currentChanged, this, [this](int tab) { TabClicked(tab); });

    picWeirType = new QFrame(this);
    picWeirType->setObjectName("picWeirType");
    picWeirType->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    picWeirType->setAutoFillBackground(true);

    Frame1 = new QGroupBox("Select the weir shape", picWeirType);
    Frame1->setObjectName("Frame1");
    auto* shapes = new QVBoxLayout(Frame1);
    const std::array<const char*, 3> shapeCaptions = {"Rectangular", "Triangular", "Cipolleti (trapezoidal)"};
    for (size_t i = 0; i < optWeirShape.size(); ++i) {
        auto* option = new QRadioButton(shapeCaptions[i], Frame1);
        option->setObjectName(QString("optWeirShape%1").arg(i + 1));
        connect(option, &QRadioButton::clicked, this, [this, i] { ShapeClicked(static_cast<int>(i)); });
        shapes->addWidget(option);
        optWeirShape[i] = option;
    }
    shapes->addStretch();
    optWeirShape[0]->setChecked(true);

    Frame3 = new QGroupBox(picWeirType);
    Frame3->setObjectName("Frame3");
    auto* inputs = new QGridLayout(Frame3);
    txtWeirL = AddNumericFieldRow(*inputs, lblWeirL, "lblWeirL", "Weir length, ft:", "txtWeirL");
    txtWeirH = AddNumericFieldRow(*inputs, lblH, "lblH", "Head over weir, ft:", "txtWeirH");
    txtWeirC = AddNumericFieldRow(*inputs, lblC, "lblC", "Weir coefficient:", "txtWeirC");
    txtWeirC->setText("0.61");
    txtDSWeirH = AddNumericFieldRow(*inputs, lblDSWeirH, "lblDSWeirH", "Downstream head, ft:", "txtDSWeirH");
    BindField(txtWeirL, {WeirField::Length, WeirField::Angle});
    BindField(txtWeirH, WeirField::Head);
    BindField(txtWeirC, WeirField::Coefficient);
    BindField(txtDSWeirH, WeirField::DownstreamHead);
    chkBroadcrested = new QCheckBox("Broad-crested?", Frame3);
    chkBroadcrested->setObjectName("chkBroadcrested");
    // The box and the downstream head are never shown together: they share a row.
    inputs->addWidget(chkBroadcrested, inputs->rowCount() - 1, 0, 1, 2);
    for (QWidget* w : {static_cast<QWidget*>(lblDSWeirH), static_cast<QWidget*>(txtDSWeirH),
                       static_cast<QWidget*>(chkBroadcrested)}) {
        KeepPlaceWhenHidden(w);
    }
    lblDSWeirH->hide();
    txtDSWeirH->hide();

    Frame2 = new QGroupBox(picWeirType);
    Frame2->setObjectName("Frame2");
    auto* result = new QGridLayout(Frame2);
    lblWeirQ = AddResultRow(*result, lblQ, "lblQ", "Flowrate, ft^3/s:", "lblWeirQ");

    auto* panel = new QGridLayout(picWeirType);
    panel->addWidget(Frame1, 0, 0, 2, 1);
    panel->addWidget(Frame3, 0, 1);
    panel->addWidget(Frame2, 1, 1);

    cmdComputeWeirFlow = AddCalculatorButton(*this, "cmdComputeWeirFlow", "Compute");
    cmdClose = AddCalculatorButton(*this, "cmdClose", "&Close");
    connect(cmdComputeWeirFlow, &QPushButton::clicked, this, &FrmWeirs::ComputeClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdComputeWeirFlow);
    buttons->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addSpacing(4);
    layout->addWidget(tabWeirs);
    layout->setSpacing(0);
    layout->addWidget(picWeirType);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Label1->setMaximumWidth(460);

    setTabOrder(tabWeirs, optWeirShape[0]);
    setTabOrder(optWeirShape[0], optWeirShape[1]);
    setTabOrder(optWeirShape[1], optWeirShape[2]);
    setTabOrder(optWeirShape[2], txtWeirL);
    setTabOrder(txtWeirL, txtWeirH);
    setTabOrder(txtWeirH, txtWeirC);
    setTabOrder(txtWeirC, txtDSWeirH);
    setTabOrder(txtDSWeirH, chkBroadcrested);
    setTabOrder(chkBroadcrested, cmdComputeWeirFlow);
    setTabOrder(cmdComputeWeirFlow, cmdClose);
}

WeirShape FrmWeirs::SelectedShape() const {
    if (optWeirShape[1]->isChecked()) return WeirShape::Triangular;
    if (optWeirShape[2]->isChecked()) return WeirShape::Cipolletti;
    return WeirShape::Rectangular;
}

QString FrmWeirs::LengthCaption() const {
    return QtText(rillo::LengthCaption("Weir length", units_));
}

void FrmWeirs::ShapeClicked(int index) {
    switch (index) {
        case 0:
            lblWeirL->setText(LengthCaption());
            if (tabWeirs->currentIndex() == 0) {
                chkBroadcrested->show();
                lblDSWeirH->hide();
                txtDSWeirH->hide();
            }
            break;
        case 1:
            chkBroadcrested->hide();
            lblWeirL->setText("V-notch angle:");
            break;
        case 2:
            chkBroadcrested->hide();
            lblWeirL->setText(LengthCaption());
            break;
        default: break;
    }
}

void FrmWeirs::TabClicked(int tab) {
    if (tab == 0) {
        lblDSWeirH->hide();
        txtDSWeirH->hide();
        if (optWeirShape[0]->isChecked()) chkBroadcrested->show();
    } else if (tab == 1) {
        lblDSWeirH->setText(QtText(rillo::LengthCaption("Downstream head", units_)));
        lblDSWeirH->show();
        txtDSWeirH->show();
        chkBroadcrested->hide();
    }
}

void FrmWeirs::ComputeClicked() {
    WeirInputs in;
    in.shape = SelectedShape();
    in.submerged = tabWeirs->currentIndex() == 1;
    in.broadCrested = chkBroadcrested->isChecked();
    in.units = units_;
    in.lengthOrAngle = txtWeirL->text().toStdString();
    in.head = txtWeirH->text().toStdString();
    in.coefficient = txtWeirC->text().toStdString();
    in.downstreamHead = txtDSWeirH->text().toStdString();
    WeirResult result = ComputeWeirFlow(in);
    if (result.message && result.message->yesNoCancel) {
        if (ShowCalculatorMessage(*result.message) != MessageAnswer::Yes) return;
        in.coefficientAccepted = true;
        result = ComputeWeirFlow(in);
    }
    if (!result.ok()) {
        ShowCalculatorMessage(*result.message);
        return;
    }
    lblWeirQ->SetResult(QString::fromStdString(result.flowrate));
}

}  // namespace rillo

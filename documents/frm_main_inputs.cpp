#include "documents/frm_main_inputs.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

namespace rillo {

namespace {

const char* const kControlDepthTip =
    " Leave control depth blank and Rillo will calculate control depth as critical depth";

}  // namespace

FrmMainInputs::FrmMainInputs(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMainInputs");
    setWindowTitle("Required Inputs");

    picInputs = new QWidget(this);
    picInputs->setObjectName("picInputs");
    picInputs->setMouseTracking(true);
    picInputs->installEventFilter(this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(picInputs);

    auto* grid = new QGridLayout(picInputs);
    // Eight fields in the view's 228 pixels, title bar included: a layout
    // that asked for more would grow the view when it is restored.
    grid->setContentsMargins(8, 6, 8, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);
    grid->setColumnStretch(0, 1);

    int row = 0;
    auto addField = [&](QLabel*& label, const char* labelName, const char* caption, QLineEdit*& field,
                        const char* fieldName) {
        label = new QLabel(caption, picInputs);
        label->setObjectName(labelName);
        field = new QLineEdit(picInputs);
        field->setObjectName(fieldName);
        field->setFixedWidth(110);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    addField(lblXS1, "lblXS1", "Start station", txtXS1, "txtXS1");
    addField(lblXS2, "lblXS2", "End station", txtXS2, "txtXS2");
    addField(lblQ, "lblQ", "Flowrate", txtQ, "txtQ");
    addField(lblDiamWidth, "lblDiamWidth", "Width", txtD, "txtD");
    addField(lbln, "lbln", "Manning's n:", txtRN, "txtRN");
    addField(lblS, "lblS", "Bottom slope:", txtSO, "txtSO");
    addField(lblY1, "lblY1", "Control depth", txtYCont, "txtYCont");
    addField(lblSides, "lblSides", "Side slope:", txtSlope, "txtSlope");
    grid->setRowStretch(row, 1);

    txtXS1->setText("0+00.000");
    txtYCont->setToolTip(kControlDepthTip);
    lblY1->setToolTip(kControlDepthTip);

    QList<QLineEdit*> fields = Fields();
    for (int i = 1; i < fields.size(); ++i) setTabOrder(fields[i - 1], fields[i]);
}

QList<QLineEdit*> FrmMainInputs::Fields() const {
    return {txtXS1, txtXS2, txtQ, txtD, txtRN, txtSO, txtYCont, txtSlope};
}

bool FrmMainInputs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picInputs && event->type() == QEvent::MouseMove) emit backgroundHovered();
    return QWidget::eventFilter(watched, event);
}

}  // namespace rillo

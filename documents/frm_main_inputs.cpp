#include "documents/frm_main_inputs.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "engine/profile_fields.h"

namespace rillo {

namespace {

const char* const kControlDepthTip =
    " Leave control depth blank and Rillo will calculate control depth as critical depth";

// The view's one mapping from an input to its widgets, in the order of the
// inputs' table (profile_fields.h), with the captions shown before the unit
// system labels them.
struct InputRow {
    QLabel* FrmMainInputs::*label;
    const char* labelName;
    const char* caption;
    QLineEdit* FrmMainInputs::*field;
    const char* fieldName;
};
using V = FrmMainInputs;
const InputRow kRows[] = {
    {&V::lblXS1, "lblXS1", "Start station", &V::txtXS1, "txtXS1"},
    {&V::lblXS2, "lblXS2", "End station", &V::txtXS2, "txtXS2"},
    {&V::lblQ, "lblQ", "Flowrate", &V::txtQ, "txtQ"},
    {&V::lblDiamWidth, "lblDiamWidth", "Width", &V::txtD, "txtD"},
    {&V::lbln, "lbln", "Manning's n:", &V::txtRN, "txtRN"},
    {&V::lblS, "lblS", "Bottom slope:", &V::txtSO, "txtSO"},
    {&V::lblY1, "lblY1", "Control depth", &V::txtYCont, "txtYCont"},
    {&V::lblSides, "lblSides", "Side slope:", &V::txtSlope, "txtSlope"},
};
static_assert(std::size(kRows) == 8, "one row per input");

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
    for (const InputRow& r : kRows) {
        QLabel*& label = this->*r.label;
        QLineEdit*& field = this->*r.field;
        label = new QLabel(r.caption, picInputs);
        label->setObjectName(r.labelName);
        field = new QLineEdit(picInputs);
        field->setObjectName(r.fieldName);
        field->setFixedWidth(110);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);

    txtXS1->setText("0+00.000");
    txtYCont->setToolTip(kControlDepthTip);
    lblY1->setToolTip(kControlDepthTip);

    QList<QLineEdit*> fields = Fields();
    for (int i = 1; i < fields.size(); ++i) setTabOrder(fields[i - 1], fields[i]);
}

QList<QLineEdit*> FrmMainInputs::Fields() const {
    QList<QLineEdit*> fields;
    for (const ProfileField& field : FormFieldsOf(InputField{})) fields.append(Field(field.id));
    return fields;
}

QLineEdit* FrmMainInputs::Field(InputField field) const {
    return this->*kRows[static_cast<std::size_t>(field)].field;
}

QLabel* FrmMainInputs::Label(InputField field) const {
    return this->*kRows[static_cast<std::size_t>(field)].label;
}

bool FrmMainInputs::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picInputs && event->type() == QEvent::MouseMove) emit backgroundHovered();
    return QWidget::eventFilter(watched, event);
}

}  // namespace rillo

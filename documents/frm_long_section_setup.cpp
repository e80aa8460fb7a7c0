#include "documents/frm_long_section_setup.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "engine/numeric_text.h"
#include "platform/center_on_screen.h"
#include "platform/numeric_field_filter.h"
#include "platform/platform_services.h"

namespace rillo {

FrmLongSectionSetup::FrmLongSectionSetup(PlatformServices& services, const LongSectionSetup& setup,
                                         UnitSystem units, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName("frmLongSectionSetup");
    setWindowTitle("Long Section Setup");
    setModal(true);

    txtStartBed = new QLineEdit(QString::fromStdString(setup.startBedElevation), this);
    txtStartBed->setObjectName("txtStartBed");
    txtStartBed->setPlaceholderText("0 at the end station");
    AttachNumericField(*txtStartBed, services_, NumericFieldKind::SignedNumber);
    auto* bed = new QFormLayout;
    bed->addRow(units == UnitSystem::English ? "Bed elevation at the start station, ft:"
                                             : "Bed elevation at the start station, m:",
                txtStartBed);

    auto* lines = new QGroupBox("Lines to show", this);
    lines->setObjectName("fraLines");
    auto* linesLayout = new QVBoxLayout(lines);
    for (int i = 0; i < kSectionLineKindCount; ++i) {
        auto* box = new QCheckBox(SectionLineName(static_cast<SectionLineKind>(i)), lines);
        box->setObjectName(QString("chkShow%1").arg(i));
        box->setChecked(setup.show[static_cast<std::size_t>(i)]);
        linesLayout->addWidget(box);
        chkShow[static_cast<std::size_t>(i)] = box;
    }
    auto* note = new QLabel("Normal depth is drawn on a falling bed only, the crown for closed conduits.", lines);
    note->setWordWrap(true);
    linesLayout->addWidget(note);

    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, &FrmLongSectionSetup::Accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bed);
    layout->addWidget(lines);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    CenterOnScreen(*this);
}

LongSectionSetup FrmLongSectionSetup::Setup() const {
    LongSectionSetup setup;
    setup.startBedElevation = txtStartBed->text().trimmed().toStdString();
    for (int i = 0; i < kSectionLineKindCount; ++i)
        setup.show[static_cast<std::size_t>(i)] = chkShow[static_cast<std::size_t>(i)]->isChecked();
    return setup;
}

void FrmLongSectionSetup::Accept() {
    const std::string bed = Setup().startBedElevation;
    const std::optional<double> value = ParseWholeNumber(bed);
    if (!bed.empty() && (!value || std::abs(*value) > 1e7)) {
        services_.ShowMessage(QStringLiteral("Enter the bed elevation at the start station as a number,\r"
                                             "or leave it blank for a bed at 0 at the end station."),
                              windowTitle(), MessageIcon::Information);
        txtStartBed->setFocus();
        txtStartBed->selectAll();
        return;
    }
    accept();
}

}  // namespace rillo

#include "documents/frm_plot_setup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/center_on_screen.h"
#include "platform/numeric_field_filter.h"
#include "platform/platform_services.h"

namespace rillo {

FrmPlotSetup::FrmPlotSetup(PlatformServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    WaitCursor wait(services_);
    BuildControls();
    adjustSize();
    CenterOnScreen(*this);
    ShowCaptions(UnitSystem::English);
}

void FrmPlotSetup::BuildControls() {
    setObjectName("frmPlotSetup");
    setWindowTitle("Plot Setup");
    setModal(true);

    fraPlotThis = new QGroupBox("Check the values you would like plotted.", this);
    fraPlotThis->setObjectName("fraPlotThis");
    auto* quantities = new QGridLayout(fraPlotThis);
    const PlotSetup initial;
    for (int i = 0; i < kPlotQuantityCount; ++i) {
        auto* box = new QCheckBox(fraPlotThis);
        box->setObjectName(QString("chkPlotThis%1").arg(i));
        box->setChecked(initial.plotThis[static_cast<std::size_t>(i)]);
        quantities->addWidget(box, i % 4, i / 4);
        chkPlotThis[static_cast<std::size_t>(i)] = box;
    }

    fraGraphStyle = new QGroupBox("Graph Style", this);
    fraGraphStyle->setObjectName("fraGraphStyle");
    optLine = new QRadioButton("Line", fraGraphStyle);
    optLine->setObjectName("optLine");
    optArea = new QRadioButton("Area", fraGraphStyle);
    optArea->setObjectName("optArea");
    auto* styles = new QVBoxLayout(fraGraphStyle);
    styles->addWidget(optLine);
    styles->addWidget(optArea);
    optLine->setChecked(true);

    fraLineStyles = new QGroupBox("Line Styles", this);
    fraLineStyles->setObjectName("fraLineStyles");
    optSolid = new QRadioButton("Solid", fraLineStyles);
    optSolid->setObjectName("optSolid");
    optDotted = new QRadioButton("Dotted", fraLineStyles);
    optDotted->setObjectName("optDotted");
    auto* lineStyles = new QVBoxLayout(fraLineStyles);
    lineStyles->addWidget(optSolid);
    lineStyles->addWidget(optDotted);
    optSolid->setChecked(true);
    // Area charts have no line styles to choose.
    connect(optArea, &QRadioButton::toggled, this, [this](bool area) {
        optSolid->setEnabled(!area);
        optDotted->setEnabled(!area);
    });

    fraTitles = new QGroupBox("Graph Titles", this);
    fraTitles->setObjectName("fraTitles");
    chkGraph = new QCheckBox("Chart", fraTitles);
    chkGraph->setObjectName("chkGraph");
    chkXaxis = new QCheckBox("X-Axis", fraTitles);
    chkXaxis->setObjectName("chkXaxis");
    chkYaxis = new QCheckBox("Y-Axis", fraTitles);
    chkYaxis->setObjectName("chkYaxis");
    txtGraphTitle = new QLineEdit(fraTitles);
    txtGraphTitle->setObjectName("txtGraphTitle");
    txtBottomTitle = new QLineEdit(fraTitles);
    txtBottomTitle->setObjectName("txtBottomTitle");
    txtLeftTitle = new QLineEdit(fraTitles);
    txtLeftTitle->setObjectName("txtLeftTitle");
    auto* titles = new QGridLayout(fraTitles);
    int row = 0;
    for (auto [box, title] : {std::pair{chkGraph, txtGraphTitle}, std::pair{chkXaxis, txtBottomTitle},
                              std::pair{chkYaxis, txtLeftTitle}}) {
        titles->addWidget(box, row, 0);
        titles->addWidget(title, row, 1);
        PairTitle(box, title);
        ++row;
    }
    titles->setColumnStretch(1, 1);
    txtGraphTitle->setMinimumWidth(260);

    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(fraGraphStyle);
    styleRow->addWidget(fraLineStyles);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraPlotThis);
    layout->addLayout(styleRow);
    layout->addWidget(fraTitles);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The title box follows its check box, is checked by the user's edits of
// its text (the program refilling it is no edit), and selects its whole text
// when it gets the focus.
void FrmPlotSetup::PairTitle(QCheckBox* box, QLineEdit* title) {
    title->setEnabled(box->isChecked());
    connect(box, &QCheckBox::toggled, title, &QLineEdit::setEnabled);
    connect(title, &QLineEdit::textEdited, box, [box] { box->setChecked(true); });
    AttachNumericField(*title, services_, NumericFieldKind::FreeText);
}

PlotSetup FrmPlotSetup::Setup() const {
    PlotSetup setup;
    for (int i = 0; i < kPlotQuantityCount; ++i) {
        setup.plotThis[static_cast<std::size_t>(i)] = chkPlotThis[static_cast<std::size_t>(i)]->isChecked();
    }
    setup.areaStyle = !optLine->isChecked();
    setup.dotted = !optSolid->isChecked();
    setup.graphTitleChecked = chkGraph->isChecked();
    setup.bottomTitleChecked = chkXaxis->isChecked();
    setup.leftTitleChecked = chkYaxis->isChecked();
    setup.graphTitle = txtGraphTitle->text().toStdString();
    setup.bottomTitle = txtBottomTitle->text().toStdString();
    setup.leftTitle = txtLeftTitle->text().toStdString();
    return setup;
}

void FrmPlotSetup::SetTitleChecks(bool graph, bool bottom, bool left) {
    chkGraph->setChecked(graph);
    chkXaxis->setChecked(bottom);
    chkYaxis->setChecked(left);
}

void FrmPlotSetup::FillTitles(const std::string& graph, const std::string& bottom, const std::string& left) {
    txtGraphTitle->setText(QString::fromStdString(graph));
    txtBottomTitle->setText(QString::fromStdString(bottom));
    txtLeftTitle->setText(QString::fromStdString(left));
}

void FrmPlotSetup::SelectStyle(PlotChartType type, bool patternedLines) {
    if (type == PlotChartType::Line) {
        optLine->setChecked(true);
        (patternedLines ? optDotted : optSolid)->setChecked(true);
    } else {
        optArea->setChecked(true);
    }
}

void FrmPlotSetup::ShowCaptions(UnitSystem units) {
    for (int i = 0; i < kPlotQuantityCount; ++i) {
        chkPlotThis[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(PlotQuantityCaption(i, units)));
    }
}

bool FrmPlotSetup::Run(UnitSystem units) {
    ShowCaptions(units);
    return exec() == QDialog::Accepted;
}

}  // namespace rillo

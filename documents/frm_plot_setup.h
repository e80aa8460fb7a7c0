#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "documents/plot/plot_data.h"

namespace rillo {

class PlatformServices;

// The dialog "Plot Setup": which quantities to plot, line or area, solid or
// dotted lines, and the three titles. It is made once and then only hidden,
// so its choices last for the rest of the run. A title box is enabled exactly
// while its check box is checked, and the user's editing it checks the box.
class FrmPlotSetup : public QDialog {
    Q_OBJECT
   public:
    explicit FrmPlotSetup(PlatformServices& services, QWidget* parent = nullptr);

    // The choices as the controls hold them.
    PlotSetup Setup() const;
    void SetTitleChecks(bool graph, bool bottom, bool left);
    // Fills the three title boxes; their check boxes stay as they are.
    void FillTitles(const std::string& graph, const std::string& bottom, const std::string& left);
    // Line: selects "Line" and then "Dotted" or "Solid"; area: selects "Area".
    void SelectStyle(PlotChartType type, bool patternedLines);
    // Captions of the quantity boxes for the unit system.
    void ShowCaptions(UnitSystem units);
    // Shows the dialog modally with the captions of the current unit system;
    // true when the user chose OK.
    bool Run(UnitSystem units);

    QGroupBox* fraPlotThis;
    std::array<QCheckBox*, kPlotQuantityCount> chkPlotThis{};
    QGroupBox* fraGraphStyle;
    QRadioButton* optLine;
    QRadioButton* optArea;
    QGroupBox* fraLineStyles;
    QRadioButton* optSolid;
    QRadioButton* optDotted;
    QGroupBox* fraTitles;
    QCheckBox* chkGraph;
    QCheckBox* chkXaxis;
    QCheckBox* chkYaxis;
    QLineEdit* txtGraphTitle;
    QLineEdit* txtBottomTitle;
    QLineEdit* txtLeftTitle;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

   private:
    void BuildControls();
    void PairTitle(QCheckBox* box, QLineEdit* title);

    PlatformServices& services_;
};

}  // namespace rillo

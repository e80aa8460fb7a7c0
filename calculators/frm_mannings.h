#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <array>

#include "calculators/calculator_dialog.h"
#include "calculators/results_group.h"
#include "calculators/calculator_opening.h"
#include "calculators/formulas/manning_calculator.h"
#include "calculators/result_label.h"
#include "sections/channel_shapes.h"

namespace rillo {

// The window "Depth, Flowrate, Slope, and Roughness": Manning's equation for
// uniform flow in one of the four channel shapes, solved for the quantity of
// the selected tab. On the Flowrate, Slope and Roughness tabs the field of
// the unknown holds the given depth. It opens on the profile's channel type
// and inputs and keeps its results until the next Compute that succeeds.
class FrmMannings : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmMannings(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent = nullptr);

    // Selection of optChanType(index), 0 to 3: relabels the fields for the
    // shape and shows the side field only for the shapes that read it.
    void ChannelTypeSelected(int index);
    // A tab of tabMannings1 became current: relabels the unknown and the field
    // that holds the given depth. Field texts and results stay as they are.
    void TabSelected(int index);
    // cmdCompute: the computation, or its message.
    void ComputeClicked();

    QLabel* Label2;
    QTabBar* tabMannings1;
    QGroupBox* Frame1;
    PerShape<QRadioButton*> optChanType{};
    QGroupBox* frmInputs;
    QLabel* lblQ;
    QLineEdit* txtQ;
    QLabel* lblB;
    QLineEdit* txtB;
    QLabel* lbln;
    QLineEdit* txtn;
    QLabel* lblM;
    QLineEdit* txtM;
    QLabel* lblS;
    QLineEdit* txtS;
    QGroupBox* Frame2;
    QLabel* lblY;
    ResultLabel* lblYOutput;
    QLabel* lblV;
    ResultLabel* lblVOutput;
    QLabel* lblA;
    ResultLabel* lblAOutput;
    QLabel* lblP;
    ResultLabel* lblPOutput;
    QLabel* lblRH;
    ResultLabel* lblRHOutput;
    // The design quantities at the same depth, in the order of DesignRows().
    ResultsGroup* frmDesign;
    QPushButton* cmdCompute;
    QPushButton* cmdClose;

   private:
    void BuildControls();
    ChannelType SelectedShape() const;
    ManningUnknown SelectedUnknown() const;
    // The labels of the selected tab for the shape.
    void ApplyCaptions(ChannelType shape);

    // Shows a closed conduit's capacity rows only for the conduits.
    void ShowDesignRows(ChannelType shape);

    UnitSystem units_;
};

}  // namespace rillo

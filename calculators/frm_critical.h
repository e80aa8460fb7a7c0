#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "calculators/calculator_dialog.h"
#include "calculators/results_group.h"
#include "calculators/calculator_opening.h"
#include "calculators/result_label.h"
#include "sections/channel_shapes.h"

namespace rillo {

// The window "Critical Depth and Slope": the critical depth and the critical
// slope of a flowrate in one of the four channel shapes. It opens on the
// profile's channel type and inputs and keeps its results until the next
// Compute that gets as far as writing them.
class FrmCritical : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmCritical(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent = nullptr);

    // Selection of optChanType(index), 0 to 3: relabels the width and side
    // fields and shows the side field only for the shapes that read it.
    void ChannelTypeSelected(int index);
    // cmdCompute: the computation, its roughness question and messages.
    void ComputeClicked();

    QLabel* Label2;
    QGroupBox* Frame1;
    PerShape<QRadioButton*> optChanType{};
    QGroupBox* frmInputs;
    QLabel* lblQ;
    QLineEdit* txtQ;
    QLabel* lblB;
    QLineEdit* txtB;
    QLabel* Label3;
    QLineEdit* txtn;
    QLabel* lblSides;
    QLineEdit* txtSides;
    QGroupBox* Frame3;
    QLabel* lblYC;
    ResultLabel* lblYCoutput;
    QLabel* Label4;
    ResultLabel* lblSC;
    // The flow at critical depth, in the order of CriticalFlowRows().
    ResultsGroup* frmCriticalFlow;
    QPushButton* cmdCompute;
    QPushButton* cmdClose;

   private:
    void BuildControls();

    UnitSystem units_;
};

}  // namespace rillo

#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "calculators/calculator_dialog.h"
#include "calculators/calculator_opening.h"
#include "sections/channel_shapes.h"

namespace rillo {

struct JumpOutcome;

// The window "Hydraulic Jump": the sequent depth of a supercritical flow in
// one of the four channel shapes, with the Froude numbers, velocities, energy
// loss, estimated length and type of the jump. It opens on the profile's
// channel type, flowrate and dimensions; the upstream depth starts empty.
class FrmJump : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmJump(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent = nullptr);

    // Selection of optChanType(index), 0 to 3: relabels the width and side
    // fields and shows the side field only for the shapes that read it.
    void ChannelTypeSelected(int index);
    // cmdCompute: the computation and its messages.
    void ComputeClicked();

    QLabel* Label2;
    QGroupBox* Frame1;
    PerShape<QRadioButton*> optChanType{};
    QGroupBox* frmInputs;
    QLabel* lblQ;
    QLineEdit* txtQ;
    QLabel* lblB;
    QLineEdit* txtB;
    QLabel* lblSides;
    QLineEdit* txtSides;
    QLabel* lblY1;
    QLineEdit* txtY1;
    QGroupBox* Frame3;
    QLabel* lblY2;
    ResultLabel* lblY2Output;
    QLabel* lblFr1;
    ResultLabel* lblFr1Output;
    QLabel* lblFr2;
    ResultLabel* lblFr2Output;
    QLabel* lblV1;
    ResultLabel* lblV1Output;
    QLabel* lblV2;
    ResultLabel* lblV2Output;
    QLabel* lblEL;
    ResultLabel* lblELOutput;
    QLabel* lblL;
    ResultLabel* lblLOutput;
    QLabel* lblType;
    ResultLabel* lblTypeOutput;
    QPushButton* cmdCompute;
    QPushButton* cmdClose;

   private:
    void BuildControls();
    void ShowResults(const JumpOutcome& outcome);

    UnitSystem units_;
};

}  // namespace rillo

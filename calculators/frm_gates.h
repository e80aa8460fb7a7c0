#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calculators/calculator_dialog.h"
#include "calculators/result_label.h"
#include "calculators/formulas/gate_flow.h"
#include "engine/units.h"

namespace rillo {

// The "Underflow Gates" window: the flowrate under a gate in a rectangular
// channel and the mean velocity through its opening. Captions follow the unit
// system it was opened in.
class FrmGates : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmGates(PlatformServices& services, UnitSystem units, QWidget* parent = nullptr);

    // Compute: shows both results, or the message that stops it and keeps both shown.
    void ComputeClicked();

    QLabel* Label1;
    QGroupBox* Frame1;
    QLabel* lblY1;
    QLineEdit* txtY1;
    QLabel* lblB;
    QLineEdit* txtB;
    QLabel* lblGO;
    QLineEdit* txtGO;
    QLabel* lblC;
    QLineEdit* txtC;
    QGroupBox* frmInputs;  // holds the results
    QLabel* lblQ;
    ResultLabel* lblQoutput;
    QLabel* lblV;
    ResultLabel* lblVOutput;
    QPushButton* cmdCompute;
    QPushButton* cmdClose;

   private:
    void BuildControls();

    UnitSystem units_;
};

}  // namespace rillo

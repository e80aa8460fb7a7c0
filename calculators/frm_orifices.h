#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "calculators/calculator_dialog.h"
#include "calculators/result_label.h"
#include "calculators/formulas/orifice_flow.h"
#include "engine/units.h"

namespace rillo {

// The "Orifices" window: the flowrate through a circular or square orifice.
// Captions follow the unit system it was opened in; the size caption follows
// the shape.
class FrmOrifices : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmOrifices(PlatformServices& services, UnitSystem units, QWidget* parent = nullptr);

    // A click of optOrifice; index 0 Circular, 1 Square.
    void ShapeClicked(int index);
    // Compute: shows the flowrate, or the message that stops it and keeps the result shown.
    void ComputeClicked();

    QLabel* Label2;
    QGroupBox* Frame3;
    std::array<QRadioButton*, 2> optOrifice{};
    QGroupBox* Frame1;
    QLabel* lblH;
    QLineEdit* txtH;
    QLabel* lblB;
    QLineEdit* txtB;
    QLabel* lblC;
    QLineEdit* txtC;
    QGroupBox* Frame2;
    QLabel* lblQ;
    ResultLabel* lblQoutput;
    QPushButton* cmdCompute;
    QPushButton* cmdClose;

   private:
    void BuildControls();

    UnitSystem units_;
};

}  // namespace rillo

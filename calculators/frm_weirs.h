#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <array>

#include "calculators/calculator_dialog.h"
#include "calculators/result_label.h"
#include "calculators/formulas/weir_flow.h"
#include "engine/units.h"

namespace rillo {

// The "Weirs" window: the flowrate over a rectangular, V-notch or Cipolletti
// weir, free-flowing or submerged. Captions follow the unit system it was
// opened in, the length field's caption follows the shape, and the
// broad-crested box and the downstream head follow the shape and the tab.
// Field texts and the result are never cleared by a shape or tab change.
class FrmWeirs : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmWeirs(PlatformServices& services, UnitSystem units, QWidget* parent = nullptr);

    // A click of optWeirShape; index 0 to 2 for Rectangular, Triangular and Cipolletti.
    void ShapeClicked(int index);
    // A click of a tab of tabWeirs: 0 Free-flowing, 1 Submerged.
    void TabClicked(int tab);
    // Compute: shows the flowrate, or the message that stops it and keeps the result shown.
    void ComputeClicked();

    QLabel* Label1;
    QTabBar* tabWeirs;
    QFrame* picWeirType;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 3> optWeirShape{};
    QGroupBox* Frame3;
    QLabel* lblWeirL;
    QLineEdit* txtWeirL;
    QLabel* lblH;
    QLineEdit* txtWeirH;
    QLabel* lblC;
    QLineEdit* txtWeirC;
    QCheckBox* chkBroadcrested;
    QLabel* lblDSWeirH;
    QLineEdit* txtDSWeirH;
    QGroupBox* Frame2;
    QLabel* lblQ;
    ResultLabel* lblWeirQ;
    QPushButton* cmdComputeWeirFlow;
    QPushButton* cmdClose;

   private:
    void BuildControls();
    WeirShape SelectedShape() const;
    QString LengthCaption() const;

    UnitSystem units_;
};

}  // namespace rillo

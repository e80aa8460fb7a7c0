#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "engine/input_checks.h"

namespace rillo {

// The inputs view "Required Inputs": the stations, the flow and the channel's
// dimensions, one field below the other on the picture box picInputs, each
// with its label to the left. The fields hold the texts as typed.
class FrmMainInputs : public QWidget {
    Q_OBJECT
   public:
    explicit FrmMainInputs(QWidget* parent = nullptr);

    // Every input field, in tab order.
    QList<QLineEdit*> Fields() const;
    // The field that holds an input.
    QLineEdit* Field(InputField field) const;
    QLabel* Label(InputField field) const;

    QWidget* picInputs;
    QLabel* lblXS1;
    QLineEdit* txtXS1;
    QLabel* lblXS2;
    QLineEdit* txtXS2;
    QLabel* lblQ;
    QLineEdit* txtQ;
    QLabel* lblDiamWidth;
    QLineEdit* txtD;
    QLabel* lbln;
    QLineEdit* txtRN;
    QLabel* lblS;
    QLineEdit* txtSO;
    QLabel* lblY1;
    QLineEdit* txtYCont;
    QLabel* lblSides;
    QLineEdit* txtSlope;

   signals:
    // The mouse moved over the view's background (not over a field or label).
    void backgroundHovered();

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace rillo

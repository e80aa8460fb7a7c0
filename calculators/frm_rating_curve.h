#pragma once

#include <QChartView>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>

#include "documents/plot/rating_curve.h"

namespace rillo {

class PlatformServices;

// The window "Rating Curve": the rating table drawn in grfRating, flowrate
// across and depth up, with the velocity on a second axis when chkVelocity
// is checked; Copy, Print, Preview, Export (PNG, SVG or PDF) and Close, as
// the profile's plot window has them. Modal and centred on the screen.
class FrmRatingCurve : public QDialog {
    Q_OBJECT
   public:
    FrmRatingCurve(PlatformServices& services, RatingCurvePoints points, UnitSystem units, std::string title,
                   QWidget* parent = nullptr);

    const PlotChart& Chart() const { return chart_; }

    QChartView* grfRating;
    QCheckBox* chkVelocity;
    QPushButton* cmdCopy;
    QPushButton* cmdPrint;
    QPushButton* cmdPrintPreview;
    QPushButton* cmdExport;
    QPushButton* cmdClose;

   private:
    void Redraw();

    PlatformServices& services_;
    RatingCurvePoints points_;
    UnitSystem units_;
    std::string title_;
    PlotChart chart_;
};

}  // namespace rillo

#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "documents/plot/long_section.h"
#include "engine/units.h"

namespace rillo {

class PlatformServices;

// The dialog "Long Section Setup": the bed elevation at the start station
// (blank: the bed at the end station is at 0) and which lines to show. OK
// refuses a bed elevation that is not a number and keeps the dialog open.
class FrmLongSectionSetup : public QDialog {
    Q_OBJECT
   public:
    FrmLongSectionSetup(PlatformServices& services, const LongSectionSetup& setup, UnitSystem units,
                        QWidget* parent = nullptr);

    // The choices as the controls hold them.
    LongSectionSetup Setup() const;

    QLineEdit* txtStartBed;
    std::array<QCheckBox*, kSectionLineKindCount> chkShow{};
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

   private:
    void Accept();

    PlatformServices& services_;
};

}  // namespace rillo

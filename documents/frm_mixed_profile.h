#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calculators/calculator_dialog.h"
#include "calculators/calculator_opening.h"
#include "calculators/formulas/mixed_profile.h"
#include "documents/format/profile_document.h"
#include "documents/plot/long_section.h"

namespace rillo {

// What the window copies from the main window as it opens: the unit system,
// the channel type, the inputs view's texts and their captions, and the
// channel name. Nothing flows back.
struct MixedProfileOpening {
    CalculatorOpening profile;
    std::array<std::string, 8> captions;  // by InputField, as the inputs view labels them
    std::string channelName;
};

// The window "Mixed Flow Profile": a reach controlled at both ends, a
// supercritical depth upstream and a subcritical one downstream. Its own copy
// of the profile's inputs and the two end depths; Compute shows where the
// jump forms (or which end it is swept past or drowned at) and the table in
// station order with the jump's two rows marked; Long Section draws it with
// the jump as a vertical rise; Copy, Print and Preview. Modal.
class FrmMixedProfile : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmMixedProfile(PlatformServices& services, const MixedProfileOpening& opening, LongSectionSetup& setup,
                    QWidget* parent = nullptr);

    void ComputeClicked();
    void ShowLongSection();
    // The results and the table, tab-separated, to the clipboard.
    void Copy();
    void Print();
    void PrintPreview();

    // The profile shown, as Save would write a profile (inputs, summary, the
    // rows in station order); empty until Compute succeeds.
    const std::optional<ProfileDocument>& Document() const { return document_; }
    const MixedProfileResult& Result() const { return result_; }

    QLabel* Label1;
    QGroupBox* frmInputs;
    std::array<QLabel*, 8> lblInput{};     // by InputField; the control depth's stays null
    std::array<QLineEdit*, 8> txtInput{};  // likewise
    QLabel* lblY1;
    QLineEdit* txtY1;
    QLabel* lblY2;
    QLineEdit* txtY2;
    QGroupBox* frmResults;
    QLabel* lblNormal;
    ResultLabel* lblNormalOutput;
    QLabel* lblCritical;
    ResultLabel* lblCriticalOutput;
    QLabel* lblStation;
    ResultLabel* lblStationOutput;
    QLabel* lblBefore;
    ResultLabel* lblBeforeOutput;
    QLabel* lblAfter;
    ResultLabel* lblAfterOutput;
    QLabel* lblLoss;
    ResultLabel* lblLossOutput;
    QLabel* lblLength;
    ResultLabel* lblLengthOutput;
    QLabel* lblNote;  // swept out, drowned, or the profile's early end
    QTableWidget* grdMixed;
    QPushButton* cmdCompute;
    QPushButton* cmdLongSection;
    QPushButton* cmdCopy;
    QPushButton* cmdPrint;
    QPushButton* cmdPrintPreview;
    QPushButton* cmdClose;

   private:
    void BuildControls(const MixedProfileOpening& opening);
    void ShowResult();
    void Clear();
    std::vector<std::array<std::string, 3>> ReportJumpLines() const;
    void PrintOn(LinePrinter& printer, int copies);

    ChannelType shape_;
    UnitSystem units_;
    std::string channelName_;
    LongSectionSetup& setup_;
    MixedProfileResult result_;
    std::optional<ProfileDocument> document_;
};

}  // namespace rillo

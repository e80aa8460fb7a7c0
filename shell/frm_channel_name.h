#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <optional>

#include "sections/channel_shapes.h"

namespace rillo {

class PlatformServices;

// What OK hands back: the name as typed (possibly empty) and, when the user
// picked an option button (or the dialog picked one as it opened), its type.
struct ChannelNameChoice {
    QString channelName;
    std::optional<ChannelType> channelType;
};

// The dialog "Channel Type and Name": one option button per channel type and
// a field for the channel's name. It only reports the choice; the caller
// applies it after an accepted exec().
class FrmChannelName : public QDialog {
    Q_OBJECT
   public:
    // `checkedType` is the type checked in the Channel Type menu (none counts
    // as Trapezoidal); `channelName` is the current name.
    FrmChannelName(PlatformServices& services, std::optional<ChannelType> checkedType,
                   const QString& channelName, QWidget* parent = nullptr);

    // The choice made by OK; meaningful once the dialog was accepted.
    const ChannelNameChoice& Choice() const { return choice_; }

    // Click of optChannelType(index): remembers the type and proposes its
    // display name, selected so that typing replaces it. Index 0 to 3, in the
    // order of kChannelShapes.
    void OptionClicked(int index);
    void OkClicked();

    QGroupBox* Frame1;
    PerShape<QRadioButton*> optChannelType{};
    QLabel* Label1;
    QLineEdit* txtNewlbl;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    void BuildControls();

    PlatformServices& services_;
    // The option button clicked last; none until one is.
    std::optional<int> clickedOption_;
    ChannelNameChoice choice_;
};

}  // namespace rillo

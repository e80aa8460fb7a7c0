#include "shell/frm_channel_name.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "platform/center_on_screen.h"
#include "platform/numeric_field_filter.h"
#include "platform/numeric_field_rules.h"
#include "platform/platform_services.h"

namespace rillo {

FrmChannelName::FrmChannelName(PlatformServices& services, std::optional<ChannelType> checkedType,
                               const QString& channelName, QWidget* parent)
    : QDialog(parent), services_(services) {
    WaitCursor wait(services_);
    BuildControls();
    adjustSize();
    CenterOnScreen(*this);

    // Selecting the checked type's button runs its click, as a click would;
    // the current name then replaces the proposed display name.
    const int index = static_cast<int>(ShapeIndex(checkedType.value_or(ChannelType::Trapezoidal)));
    optChannelType[index]->setChecked(true);
    OptionClicked(index);
    txtNewlbl->setText(checkedType ? channelName
                                   : QString::fromUtf8(ShapeOf(ChannelType::Trapezoidal).displayName));
}

void FrmChannelName::BuildControls() {
    setObjectName("frmChannelName");
    setWindowTitle("Channel Type and Name");
    setModal(true);

    Frame1 = new QGroupBox("Select a channel type", this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    for (size_t i = 0; i < optChannelType.size(); ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kChannelShapes[i].dialogCaption), Frame1);
        option->setObjectName(QString("optChannelType%1").arg(i + 1));
        options->addWidget(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { OptionClicked(static_cast<int>(i)); });
        option->installEventFilter(this);
        optChannelType[i] = option;
    }

    Label1 = new QLabel("Enter the channel name here.", this);
    Label1->setObjectName("Label1");
    txtNewlbl = new QLineEdit(this);
    txtNewlbl->setObjectName("txtNewlbl");
    Label1->setBuddy(txtNewlbl);
    AttachNumericField(*txtNewlbl, services_, NumericFieldKind::FreeText);  // selects the name on focus
    txtNewlbl->installEventFilter(this);

    // Enter belongs to the name field and the options (they run OK), so no
    // button takes it over as a default button would.
    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setAutoDefault(false);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    cmdCancel->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &FrmChannelName::OkClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addSpacing(6);
    layout->addWidget(Label1);
    layout->addWidget(txtNewlbl);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    txtNewlbl->setMinimumWidth(260);

    setTabOrder(optChannelType[3], txtNewlbl);
    setTabOrder(txtNewlbl, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
}

void FrmChannelName::OptionClicked(int index) {
    if (index < 0 || index >= static_cast<int>(kChannelShapes.size())) return;
    clickedOption_ = index;
    txtNewlbl->setText(QString::fromUtf8(kChannelShapes[static_cast<size_t>(index)].displayName));
    SelectAllOnFocus(*txtNewlbl, services_);
}

void FrmChannelName::OkClicked() {
    choice_.channelName = txtNewlbl->text();
    choice_.channelType.reset();
    if (clickedOption_) choice_.channelType = kChannelShapes[static_cast<size_t>(*clickedOption_)].type;
    accept();
}

bool FrmChannelName::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OkClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace rillo

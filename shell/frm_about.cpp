#include "shell/frm_about.h"

#include <QGridLayout>
#include <QIcon>

#include "platform/center_on_screen.h"
#include "platform/platform_services.h"

namespace rillo {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(QStringLiteral("About ") + kApplicationTitle);
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    // The program's icon, drawn for the pixel density of the screen.
    Image1->setPixmap(QIcon(":/icons/rillo.svg").pixmap(QSize(96, 96), devicePixelRatioF()));

    lblRillo = new QLabel(kApplicationTitle, this);
    lblRillo->setObjectName("lblRillo");
    QFont productFont = lblRillo->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 1.8);
    productFont.setBold(true);
    lblRillo->setFont(productFont);

    Label3 = new QLabel("Hydraulic design software for steady-state open channel flow.", this);
    Label3->setObjectName("Label3");

    cmdQuit = new QPushButton("&OK", this);
    cmdQuit->setObjectName("cmdQuit");
    cmdQuit->setDefault(true);
    connect(cmdQuit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setHorizontalSpacing(16);
    layout->addWidget(Image1, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(lblRillo, 0, 1);
    layout->addWidget(Label3, 1, 1);
    layout->setRowStretch(2, 1);
    layout->addWidget(cmdQuit, 3, 1, Qt::AlignRight);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void FrmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(*this);
    }
}

}  // namespace rillo

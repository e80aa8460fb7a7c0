#include "documents/frm_long_section.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "calculators/calculator_controls.h"
#include "documents/frm_long_section_setup.h"
#include "documents/long_section_drawing.h"
#include "documents/plot_printing.h"
#include "platform/center_on_screen.h"
#include "platform/error_messages.h"
#include "platform/picture_printer.h"
#include "platform/platform_services.h"
#include "platform/twips.h"

namespace rillo {

LongSectionView::LongSectionView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LongSectionView::Show(const LongSection& section) {
    section_ = section;
    drawn_ = true;
    update();
}

void LongSectionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (drawn_) DrawLongSection(painter, QRectF(rect()), section_);
}

FrmLongSection::FrmLongSection(PlatformServices& services, std::function<ProfileDocument()> readDocument,
                               LongSectionSetup& setup, QWidget* parent)
    : QDialog(parent), services_(services), readDocument_(std::move(readDocument)), setup_(setup) {
    WaitCursor wait(services_);
    setObjectName("frmLongSection");
    setWindowTitle("Long Section");
    setModal(true);

    picLongSection = new LongSectionView(this);
    picLongSection->setObjectName("picLongSection");
    picLongSection->setMinimumSize(kLongSectionSize);
    picLongSection->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto button = [this](const char* name, const char* caption) {
        return AddCalculatorButton(*this, name, caption);
    };
    cmdCopy = button("cmdCopy", "&Copy");
    cmdPrint = button("cmdPrint", "&Print");
    cmdPrintPreview = button("cmdPrintPreview", "Pre&view");
    cmdSetup = button("cmdSetup", "Set-&up...");
    cmdExport = button("cmdExport", "&Export...");
    cmdClose = button("cmdClose", "Cl&ose");
    connect(cmdCopy, &QPushButton::clicked, this, &FrmLongSection::Copy);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmLongSection::Print);
    connect(cmdPrintPreview, &QPushButton::clicked, this, &FrmLongSection::PrintPreview);
    connect(cmdSetup, &QPushButton::clicked, this, &FrmLongSection::SetUp);
    connect(cmdExport, &QPushButton::clicked, this, &FrmLongSection::Export);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdCopy, cmdPrint, cmdPrintPreview, cmdSetup, cmdExport}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picLongSection, 1);
    layout->addLayout(buttons);
    adjustSize();
    // The drawing opens at its full size and may then be made as small as
    // it stays legible.
    picLongSection->setMinimumSize(400, 300);
    CenterOnScreen(*this);
}

bool FrmLongSection::BuildSection() {
    try {
        WaitCursor wait(services_);
        const ProfileDocument document = readDocument_();
        units_ = document.unitSystem;
        section_ = build_(document, setup_);
        picLongSection->Show(section_);
        return true;
    } catch (const std::exception& e) {
        ShowSystemError(services_, QStringLiteral("Error Occurred"), QString(), QString::fromUtf8(e.what()));
        return false;
    }
}

QImage FrmLongSection::DrawingImage(double scale) const {
    return RenderLongSectionImage(section_, picLongSection->size(), scale);
}

QImage FrmLongSection::PrintedPicture() const {
    return DrawingImage(PrintScale(picLongSection->size()));
}

QSizeF FrmLongSection::DrawingTwips() const {
    return QSizeF(PixelsToTwips(picLongSection->width()), PixelsToTwips(picLongSection->height()));
}

void FrmLongSection::Copy() {
    try {
        WaitCursor wait(services_);
        const QImage image = DrawingImage(picLongSection->devicePixelRatioF());
        if (image.isNull()) throw std::runtime_error("the drawing could not be made");
        services_.SetClipboardImage(image);
    } catch (const std::exception&) {
        ShowUnexpectedFailureShort(services_);
        return;
    }
    services_.ShowMessage(
        QStringLiteral(
            "The long section has been copied to the clipboard.\rYou may now paste it into your document."),
        QStringLiteral("Copy"), MessageIcon::Information);
}

void FrmLongSection::Print() {
    const std::optional<int> answer = services_.AskPrintCopies();
    if (!answer) return;
    const int copies = *answer <= 0 ? 1 : *answer;
    std::optional<std::string> failure;
    {
        WaitCursor wait(services_);
        failure = PrintPlotPicture(services_.PrinterForPictures(), PrintedPicture(), DrawingTwips(), copies,
                                   [this] { services_.ProcessPendingEvents(); });
    }
    if (failure) {
        ShowSystemError(services_, QStringLiteral("Print Error"),
                        QStringLiteral("The following error occurred while printing:"),
                        QString::fromStdString(*failure));
    }
}

void FrmLongSection::PrintPreview() {
    const QImage picture = PrintedPicture();
    const QSizeF size = DrawingTwips();
    services_.ShowPicturePreview(
        [&picture, size](PicturePrinter& printer) { PrintPlotPicture(printer, picture, size, 1); });
}

void FrmLongSection::SetUp() {
    FrmLongSectionSetup dialog(services_, setup_, units_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const LongSectionSetup previous = setup_;
    setup_ = dialog.Setup();
    if (!BuildSection()) {
        setup_ = previous;
        BuildSection();
    }
}

void FrmLongSection::Export() {
    const std::optional<QString> path =
        services_.AskSavePath({QString(), PictureExportFilter(), QStringLiteral("png")});
    if (!path) return;
    std::optional<std::string> error;
    {
        WaitCursor wait(services_);
        if (path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            error =
                PrintPlotPicture(*services_.BeginPdfPicturePrint(*path), PrintedPicture(), DrawingTwips(), 1);
        } else {
            error = WriteLongSectionImageFile(section_, picLongSection->size(), *path);
        }
    }
    if (error) {
        ShowSystemError(services_, QStringLiteral("Export Error"),
                        QStringLiteral("The following error occurred:"), QString::fromStdString(*error));
    }
}

}  // namespace rillo

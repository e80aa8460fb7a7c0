#pragma once

#include <QDialog>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "documents/format/profile_document.h"
#include "documents/plot/long_section.h"

namespace rillo {

class PlatformServices;

// The drawing of a long section, redrawn at whatever size it is given.
class LongSectionView : public QWidget {
    Q_OBJECT
   public:
    explicit LongSectionView(QWidget* parent = nullptr);
    void Show(const LongSection& section);

   protected:
    void paintEvent(QPaintEvent* event) override;

   private:
    LongSection section_;
    bool drawn_ = false;
};

// The window "Long Section": the drawing picLongSection and the buttons Copy,
// Print, Preview, Set-up, Export (PNG, SVG or PDF) and Close. Modal and
// centred on the screen.
class FrmLongSection : public QDialog {
    Q_OBJECT
   public:
    // `readDocument` reads the document as Save would write it, afresh each
    // time the drawing is built; `setup` lasts for the rest of the run.
    FrmLongSection(PlatformServices& services, std::function<ProfileDocument()> readDocument,
                   LongSectionSetup& setup, QWidget* parent = nullptr);

    // Builds the drawing from the document. On failure (a text that does not
    // read as a number) shows the error and returns false.
    bool BuildSection();
    // How the drawing is built from the document; BuildLongSection unless set
    // (a mixed-regime profile marks its jump).
    void SetSectionBuilder(
        std::function<LongSection(const ProfileDocument&, const LongSectionSetup&)> build) {
        build_ = std::move(build);
    }
    const LongSection& Section() const { return section_; }

    void Copy();
    // Prints the copies the print dialog asks for; a printer that fails shows "Print Error".
    void Print();
    void PrintPreview();
    // The set-up dialog; OK redraws with its choices.
    void SetUp();
    void Export();

    LongSectionView* picLongSection;
    QPushButton* cmdCopy;
    QPushButton* cmdPrint;
    QPushButton* cmdPrintPreview;
    QPushButton* cmdSetup;
    QPushButton* cmdExport;
    QPushButton* cmdClose;

   private:
    QImage DrawingImage(double scale) const;
    QImage PrintedPicture() const;
    QSizeF DrawingTwips() const;

    PlatformServices& services_;
    std::function<ProfileDocument()> readDocument_;
    std::function<LongSection(const ProfileDocument&, const LongSectionSetup&)> build_ = BuildLongSection;
    LongSectionSetup& setup_;
    LongSection section_;
    UnitSystem units_ = UnitSystem::English;
};

}  // namespace rillo

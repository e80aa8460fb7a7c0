#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <array>

#include "calculators/calculator_dialog.h"
#include "calculators/calculator_opening.h"
#include "calculators/formulas/rating_table.h"
#include "documents/format/atomic_file_writer.h"

namespace rillo {

// The window "Rating Table": uniform flow in one of the four channel shapes
// over a range of depths or of flowrates (the normal depth of each, the lower
// one in a conduit), one row per value in the grid grdRating. The table can
// be copied (tab-separated, with its headings), exported as CSV, printed with
// its inputs (with a preview) and drawn as a rating curve. It opens on the
// profile's channel type, dimensions, roughness and slope.
class FrmRating : public CalculatorDialog {
    Q_OBJECT
   public:
    FrmRating(PlatformServices& services, const CalculatorOpening& opening, QWidget* parent = nullptr,
              FileSystemIo& io = SystemFileSystemIo());

    // Selection of optChanType(index), 0 to 3: relabels the width and side
    // fields and shows the side field only for the shapes that read it.
    void ChannelTypeSelected(int index);
    // "By depth" or "By flowrate" chosen: relabels From, To and Step.
    void RatingBySelected();
    // cmdCompute: fills the grid, or shows the message and empties it.
    void ComputeClicked();
    void Copy();
    void ExportCsv();
    void Print();
    void PrintPreview();
    // The rating curve of the table in its own window.
    void Plot();

    // The rows the grid shows, as computed.
    const std::vector<RatingRow>& Rows() const { return rows_; }

    QLabel* Label2;
    QGroupBox* Frame1;
    std::array<QRadioButton*, 4> optChanType{};
    QGroupBox* frmInputs;
    QLabel* lblB;
    QLineEdit* txtB;
    QLabel* lblM;
    QLineEdit* txtM;
    QLabel* lbln;
    QLineEdit* txtn;
    QLabel* lblS;
    QLineEdit* txtS;
    QGroupBox* frmRange;
    std::array<QRadioButton*, 2> optRatingBy{};  // "By depth", "By flowrate"
    QLabel* lblFrom;
    QLineEdit* txtFrom;
    QLabel* lblTo;
    QLineEdit* txtTo;
    QLabel* lblStep;
    QLineEdit* txtStep;
    QTableWidget* grdRating;
    QPushButton* cmdCompute;
    QPushButton* cmdCopy;
    QPushButton* cmdExport;
    QPushButton* cmdPrint;
    QPushButton* cmdPrintPreview;
    QPushButton* cmdPlot;
    QPushButton* cmdClose;

   private:
    void BuildControls();
    ChannelType SelectedShape() const;
    RatingBy SelectedBy() const;
    void ShowRows();
    // The table with its headings, as Copy and Export write it.
    std::vector<std::vector<std::string>> TableWithHeadings() const;
    // True when a table has been computed; otherwise says so and returns false.
    bool HasTable(const QString& title);
    void PrintTo(LinePrinter& printer, int copies);

    UnitSystem units_;
    FileSystemIo& io_;
    std::vector<RatingRow> rows_;
    // What the table was computed from, as the printed report shows it.
    ChannelType rowsShape_ = ChannelType::Trapezoidal;
    RatingBy rowsBy_ = RatingBy::Depth;
    RatingInputTexts rowsTexts_;
};

}  // namespace rillo

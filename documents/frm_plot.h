#pragma once

#include <QChartView>
#include <QDialog>
#include <QPushButton>
#include <functional>

#include "documents/plot/plot_data.h"

namespace rillo {

class FrmPlotSetup;
class PlatformServices;

// The plot window "Water Surface Profile": the chart grfPlot and the buttons
// Copy, Print, Preview, Customize (a click on the chart does the same),
// Export (PNG, SVG or PDF) and Close. Modal and centred on the screen.
class FrmPlot : public QDialog {
    Q_OBJECT
   public:
    // `readSource` reads the table view's texts, the channel name and the unit
    // system afresh each time the chart is built; `plotCustomised` is the
    // program's flag that the user chose OK in the set-up dialog.
    FrmPlot(PlatformServices& services, FrmPlotSetup& setup, std::function<PlotSource()> readSource,
            bool& plotCustomised, QWidget* parent = nullptr);

    // Fills the chart from the table and draws it. On failure (a station or a
    // value that does not read as a number) shows the error and returns false.
    bool BuildPlotData();
    const PlotChart& Chart() const { return chart_; }

    void Copy();
    // Prints the copies the print dialog asks for; a printer that fails shows "Print Error".
    void Print();
    // The printed page in the print preview, in the report's page set-up.
    void PrintPreview();
    void Customize();
    void Export();

    QChartView* grfPlot;
    QPushButton* cmdCopy;
    QPushButton* cmdPrint;
    QPushButton* cmdPrintPreview;
    QPushButton* cmdCustomize;
    QPushButton* cmdExport;
    QPushButton* cmdClose;

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    void BuildControls();
    void Redraw();

    PlatformServices& services_;
    FrmPlotSetup& setup_;
    std::function<PlotSource()> readSource_;
    bool& plotCustomised_;
    PlotChart chart_;
};

}  // namespace rillo

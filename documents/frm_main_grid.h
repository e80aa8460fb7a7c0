#pragma once

#include <QAction>
#include <QTableWidget>
#include <QWidget>
#include <functional>

#include "documents/report/table_text.h"
#include "engine/units.h"

namespace rillo {

class PlatformServices;

// The table view "Water Surface Profile Data": the grid grdFlowData of 100
// rows and 11 columns on the container picGridBack. Rows 0 and 1 hold the two
// heading rows; they stay in view as the grid's fixed header while the data
// rows (2 to 99) scroll below them.
class FrmMainGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowCount = 100;
    static constexpr int kColumnCount = 11;
    static constexpr int kHeadingRows = 2;
    static constexpr int kFirstDataRow = 2;

    // `currentUnits` tells the unit system whenever the headings are written.
    explicit FrmMainGrid(std::function<UnitSystem()> currentUnits, QWidget* parent = nullptr);
    // Copy puts its text on the clipboard of these services.
    void UseClipboardOf(PlatformServices& services) { services_ = &services; }

    // Writes both heading rows for the current unit system, then sizes the columns.
    void WriteGridHeadings();
    // Empties every cell from the first data row down; the headings stay.
    void ClearProfileTable();
    // Brings the first data row back into view.
    void ShowFirstDataRow();

    // The cells Copy takes: both heading rows, then the data rows down to the
    // end of the table; of a selection, only its rows and columns (cells not
    // selected left empty), else the whole table.
    TextTable CopiedCells() const;
    // Copy (Ctrl+C and the context menu): those cells on the clipboard as
    // tab-separated text, ready to paste into a spreadsheet.
    void CopyCells();

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

    QWidget* picGridBack;
    QTableWidget* grdFlowData;
    QAction* copyAction;

signals:
    // The mouse moved over the grid.
    void gridHovered();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The row after the last data row: the first whose station is empty.
    int TableEndRow() const;

    std::function<UnitSystem()> currentUnits_;
    PlatformServices* services_ = nullptr;
};

}  // namespace rillo

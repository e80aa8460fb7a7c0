#pragma once

#include <QTableWidget>
#include <QWidget>
#include <functional>

#include "engine/units.h"

namespace rillo {

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

    // Writes both heading rows for the current unit system, then sizes the columns.
    void WriteGridHeadings();
    // Empties every cell from the first data row down; the headings stay.
    void ClearProfileTable();
    // Brings the first data row back into view.
    void ShowFirstDataRow();

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

    QWidget* picGridBack;
    QTableWidget* grdFlowData;

signals:
    // The mouse moved over the grid.
    void gridHovered();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<UnitSystem()> currentUnits_;
};

}  // namespace rillo

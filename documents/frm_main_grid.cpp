#include "documents/frm_main_grid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <set>

#include "documents/grid_columns.h"
#include "platform/twips.h"
#include "engine/table_headings.h"
#include "platform/platform_services.h"

namespace rillo {

namespace {

// At this inner width or less the grid keeps the width it has.
constexpr int kNarrowestSpreadTwips = 2745;

}  // namespace

FrmMainGrid::FrmMainGrid(std::function<UnitSystem()> currentUnits, QWidget* parent)
    : QWidget(parent), currentUnits_(std::move(currentUnits)) {
    setObjectName("frmMainGrid");
    setWindowTitle("Water Surface Profile Data");

    picGridBack = new QWidget(this);
    picGridBack->setObjectName("picGridBack");

    grdFlowData = new QTableWidget(kRowCount, kColumnCount, picGridBack);
    grdFlowData->setObjectName("grdFlowData");
    // A compact face, so that every heading and station fits the column widths
    // the table's rule gives.
    QFont tableFont("Liberation Sans Narrow");
    tableFont.setStyleHint(QFont::SansSerif);
    tableFont.setPointSizeF(8.0);
    grdFlowData->setFont(tableFont);
    grdFlowData->horizontalHeader()->setFont(tableFont);
    grdFlowData->horizontalHeader()->setStyleSheet("QHeaderView::section { padding: 1px 0px; }");
    grdFlowData->verticalHeader()->setDefaultSectionSize(QFontMetrics(tableFont).height() + 6);
    grdFlowData->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdFlowData->verticalHeader()->hide();
    grdFlowData->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdFlowData->horizontalHeader()->setHighlightSections(false);
    grdFlowData->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    grdFlowData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The hint shows over the heading rows as over the data rows.
    for (QWidget* area : {grdFlowData->viewport(), grdFlowData->horizontalHeader()->viewport()}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

    for (int row = 0; row < kRowCount; ++row) {
        for (int col = 0; col < kColumnCount; ++col) {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignCenter);
            grdFlowData->setItem(row, col, cell);
        }
    }
    for (int col = 0; col < kColumnCount; ++col) {
        grdFlowData->setHorizontalHeaderItem(col, new QTableWidgetItem);
    }
    // The heading rows are shown by the fixed header above the data rows.
    for (int row = 0; row < kHeadingRows; ++row) grdFlowData->setRowHidden(row, true);

    copyAction = new QAction("&Copy", grdFlowData);
    copyAction->setObjectName("copyAction");
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &FrmMainGrid::CopyCells);
    grdFlowData->addAction(copyAction);
    grdFlowData->setContextMenuPolicy(Qt::ActionsContextMenu);
}

int FrmMainGrid::TableEndRow() const {
    int row = kFirstDataRow;
    while (row < grdFlowData->rowCount() && !CellText(row, 0).isEmpty()) ++row;
    return row;
}

TextTable FrmMainGrid::CopiedCells() const {
    const int endRow = TableEndRow();
    std::set<int> rows, columns;
    std::set<std::pair<int, int>> selected;
    for (const QModelIndex& index : grdFlowData->selectionModel()->selectedIndexes()) {
        if (index.row() < kFirstDataRow) continue;  // the hidden heading rows always come along
        columns.insert(index.column());
        if (index.row() < endRow) rows.insert(index.row());
        selected.insert({index.row(), index.column()});
    }
    const bool whole = columns.empty();
    if (whole) {
        for (int col = 0; col < grdFlowData->columnCount(); ++col) columns.insert(col);
        for (int row = kFirstDataRow; row < endRow; ++row) rows.insert(row);
    }
    TextTable table;
    auto addRow = [&](int row, bool everyCell) {
        std::vector<std::string>& cells = table.emplace_back();
        for (int col : columns) {
            cells.push_back(everyCell || selected.count({row, col}) ? CellText(row, col).toStdString() : "");
        }
    };
    for (int row = 0; row < kHeadingRows; ++row) addRow(row, true);
    for (int row : rows) addRow(row, whole);
    return table;
}

void FrmMainGrid::CopyCells() {
    if (services_) services_->SetClipboardText(QString::fromStdString(TabSeparatedText(CopiedCells())));
}

void FrmMainGrid::WriteGridHeadings() {
    const UnitSystem units = currentUnits_ ? currentUnits_() : UnitSystem::English;
    for (int col = 0; col < kColumnCount; ++col) {
        const QString quantity = QString::fromUtf8(TableHeading(col, 0, units));
        const QString unit = QString::fromUtf8(TableHeading(col, 1, units));
        SetCellText(0, col, quantity);
        SetCellText(1, col, unit);
        grdFlowData->horizontalHeaderItem(col)->setText(quantity + "\n" + unit);
    }
    SizeGridColumns(*grdFlowData, kColumnCount);
}

void FrmMainGrid::ClearProfileTable() {
    for (int row = kFirstDataRow; row < grdFlowData->rowCount(); ++row) {
        for (int col = 0; col < grdFlowData->columnCount(); ++col) SetCellText(row, col, QString());
    }
}

void FrmMainGrid::ShowFirstDataRow() {
    grdFlowData->scrollToTop();
    grdFlowData->horizontalScrollBar()->setValue(0);
    grdFlowData->setCurrentCell(kFirstDataRow, 0, QItemSelectionModel::NoUpdate);
}

QString FrmMainGrid::CellText(int row, int column) const {
    const QTableWidgetItem* cell = grdFlowData->item(row, column);
    return cell ? cell->text() : QString();
}

void FrmMainGrid::SetCellText(int row, int column, const QString& text) {
    QTableWidgetItem* cell = grdFlowData->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(Qt::AlignCenter);
        grdFlowData->setItem(row, column, cell);
    }
    cell->setText(text);
}

void FrmMainGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (PixelsToTwips(width()) > kNarrowestSpreadTwips) {
        picGridBack->resize(width(), picGridBack->height());
        grdFlowData->resize(picGridBack->contentsRect().width(), grdFlowData->height());
    }
    picGridBack->resize(picGridBack->width(), height());
    grdFlowData->resize(grdFlowData->width(), picGridBack->contentsRect().height());
    WriteGridHeadings();
}

bool FrmMainGrid::eventFilter(QObject* watched, QEvent* event) {
    const bool overGrid =
        watched == grdFlowData->viewport() || watched == grdFlowData->horizontalHeader()->viewport();
    if (overGrid && event->type() == QEvent::MouseMove) emit gridHovered();
    return QWidget::eventFilter(watched, event);
}

}  // namespace rillo

#include "documents/frm_main_results.h"

#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

namespace rillo {

FrmMainResults::FrmMainResults(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMainResults");
    setWindowTitle("Computed Results");

    picResults = new QWidget(this);
    picResults->setObjectName("picResults");
    picResults->setMouseTracking(true);
    picResults->installEventFilter(this);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(picResults);

    auto* grid = new QGridLayout(picResults);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);

    int row = 0;
    auto addPair = [&](QLabel*& caption, const char* captionName, const char* text, QLabel*& value,
                       const char* valueName) {
        caption = new QLabel(text, picResults);
        caption->setObjectName(captionName);
        value = new QLabel(picResults);
        value->setObjectName(valueName);
        // Values can be copied, as an engineer copies a number into a report.
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(90);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    };
    addPair(lblYN, "lblYN", "Normal depth, ft: ", lblNormalDepth, "lblNormalDepth");
    addPair(lblAN, "lblAN", "Normal area, ft^2:", lblNormalArea, "lblNormalArea");
    addPair(lblYC, "lblYC", "Critical depth, ft:", lblCriticalDepth, "lblCriticalDepth");
    addPair(lblAC, "lblAC", "Critical area, ft^2:", lblCriticalArea, "lblCriticalArea");
    addPair(Label11, "Label11", "Flow type:", lblFlowType, "lblFlowType");
    addPair(Label1, "Label1", "Profile type:", lblProfileType, "lblProfileType");
    grid->setRowStretch(row, 1);
}

void FrmMainResults::ClearProfileSummary() {
    for (QLabel* value :
         {lblNormalDepth, lblNormalArea, lblCriticalDepth, lblCriticalArea, lblFlowType, lblProfileType}) {
        value->clear();
    }
}

bool FrmMainResults::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picResults && event->type() == QEvent::MouseMove) emit backgroundHovered();
    return QWidget::eventFilter(watched, event);
}

}  // namespace rillo

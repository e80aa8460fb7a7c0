#include "calculators/calculator_controls.h"


namespace rillo {

namespace {

// The row under the last one in use (an empty grid still counts one row).
int NextRow(const QGridLayout& grid) {
    return grid.count() == 0 ? 0 : grid.rowCount();
}

}  // namespace

QLineEdit* AddNumericFieldRow(QGridLayout& grid, QLabel*& caption, const char* captionName,
                              const QString& text, const char* fieldName) {
    const int row = NextRow(grid);
    QWidget* parent = grid.parentWidget();
    caption = new QLabel(text, parent);
    caption->setObjectName(captionName);
    auto* field = new QLineEdit(parent);
    field->setObjectName(fieldName);
    field->setMinimumWidth(110);
    caption->setBuddy(field);
    grid.addWidget(caption, row, 0);
    grid.addWidget(field, row, 1);
    return field;
}

ResultLabel* MakeResultLabel(QWidget* parent, const char* name) {
    auto* result = new ResultLabel(parent);
    result->setObjectName(name);
    return result;
}

ResultLabel* AddResultRow(QGridLayout& grid, QLabel*& caption, const char* captionName, const QString& text,
                     const char* resultName) {
    const int row = NextRow(grid);
    QWidget* parent = grid.parentWidget();
    caption = new QLabel(text, parent);
    caption->setObjectName(captionName);
    ResultLabel* result = MakeResultLabel(parent, resultName);
    grid.addWidget(caption, row, 0);
    grid.addWidget(result, row, 1);
    return result;
}

QPushButton* AddCalculatorButton(QWidget& parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, &parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace rillo

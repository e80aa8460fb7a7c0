#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string>

#include "calculators/result_label.h"

namespace rillo {

// The formula floor's texts (UTF-8) as the widgets take them.
inline QString QtText(const std::string& text) { return QString::fromStdString(text); }

// The rows that make up the calculator windows' input and result frames.

// A caption and its numeric field on one row of `grid` (the window binds the
// field to its form's table, which gives its key rules). Returns the field.
QLineEdit* AddNumericFieldRow(QGridLayout& grid, QLabel*& caption, const char* captionName,
                              const QString& text, const char* fieldName);

// The label that shows a computed result (result_label.h), named.
ResultLabel* MakeResultLabel(QWidget* parent, const char* name);

// A caption and the label that shows a computed result, on one row of `grid`.
// Returns the result label.
ResultLabel* AddResultRow(QGridLayout& grid, QLabel*& caption, const char* captionName, const QString& text,
                     const char* resultName);

// A button that Enter never presses: in these windows Enter moves to the next control.
QPushButton* AddCalculatorButton(QWidget& parent, const char* name, const QString& caption);

}  // namespace rillo

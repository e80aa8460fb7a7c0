#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "calculators/result_label.h"
#include "engine/units.h"
#include "sections/channel_shapes.h"

namespace rillo {

// Controls the critical-depth and Manning's calculators share.

// The frame "Select the channel type" with the option buttons optChanType1 to
// optChanType4 ("Trapezoidal", "Circular", "Ushaped", "Elongated circular"),
// in the order of kChannelShapes. `selected` runs with the index (0 to 3) each
// time a button becomes the selected one, by a click, a key or the program.
QGroupBox* BuildChannelTypeFrame(QWidget* parent, PerShape<QRadioButton*>& options,
                                 const std::function<void(int)>& selected);

// The index (0 to 3) of a channel type among the option buttons.

// A label and a field on a row of a grid; the label is the field's buddy.
void AddFieldRow(QGridLayout& grid, int row, QLabel*& label, const char* labelName, QLineEdit*& field,
                 const char* fieldName, QWidget* parent);

// A caption and the result it names on a row of a grid (result_label.h).
void AddResultRow(QGridLayout& grid, int row, QLabel*& caption, const char* captionName, ResultLabel*& result,
                  const char* resultName, QWidget* parent);

// One captioned result of a column of them (AddResultRows).
struct CaptionedResult {
    QLabel*& caption;
    const char* captionName;
    const std::string& text;
    ResultLabel*& result;
    const char* resultName;
};

// The results on rows `firstRow` on, each captioned with its text; returns
// the row after the last.
int AddResultRows(QGridLayout& grid, int firstRow, std::initializer_list<CaptionedResult> rows,
                  QWidget* parent);

// Keeps the caption column of a grid as wide as the widest of `captions`,
// so that relabelling never resizes the window.
void ReserveCaptionWidth(QGridLayout& grid, const QWidget& captionOwner,
                         const std::vector<std::string>& captions);

// Hides or shows a field with its label; a hidden pair keeps its place, so
// the window keeps its size when the shape changes.
void ShowFieldRow(QLabel& label, QLineEdit& field, bool shown);

// The Compute and "&Close" buttons, at the right of a row of their own; Enter
// belongs to the fields' navigation, so neither is a default button.
QHBoxLayout* BuildComputeCloseRow(QWidget* parent, QPushButton*& compute, QPushButton*& close);

// The layout of a calculator that works on one channel: the introduction
// across the top, the channel-type frame at the left, the inputs above the
// results at the right and the buttons below; the window keeps the size its
// contents ask for.
void ArrangeChannelCalculator(QWidget& window, QLabel& introduction, QGroupBox& channelType,
                              QGroupBox& inputs, QGroupBox& results, QHBoxLayout* buttons,
                              QGroupBox* moreResults = nullptr);

// The channel type of the checked option button; Trapezoidal when none is.
ChannelType CheckedChannelType(const PerShape<QRadioButton*>& options);

// Labels the width field "Width" or "Diameter" for the shape and shows the
// side field, labelled "Side slope:" or "Side height", only for the shapes
// that read it.
void ShowChannelFields(ChannelType shape, UnitSystem units, QLabel& widthLabel, QLabel& sideLabel,
                       QLineEdit& sideField);

// Chains the tab order of `order`, first to last.
void SetTabOrder(const std::vector<QWidget*>& order);

}  // namespace rillo

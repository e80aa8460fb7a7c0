#include "calculators/channel_calculator_controls.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "calculators/calculator_controls.h"
#include "calculators/formulas/calculator_captions.h"

namespace rillo {

QGroupBox* BuildChannelTypeFrame(QWidget* parent, PerShape<QRadioButton*>& options,
                                 const std::function<void(int)>& selected) {
    auto* frame = new QGroupBox("Select the channel type", parent);
    frame->setObjectName("Frame1");
    auto* layout = new QVBoxLayout(frame);
    for (size_t i = 0; i < options.size(); ++i) {
        auto* option = new QRadioButton(QString::fromUtf8(kChannelShapes[i].calculatorCaption), frame);
        option->setObjectName(QString("optChanType%1").arg(i + 1));
        QObject::connect(option, &QRadioButton::toggled, frame, [selected, i](bool checked) {
            if (checked) selected(static_cast<int>(i));
        });
        layout->addWidget(option);
        options[i] = option;
    }
    layout->addStretch();
    return frame;
}

void AddFieldRow(QGridLayout& grid, int row, QLabel*& label, const char* labelName, QLineEdit*& field,
                 const char* fieldName, QWidget* parent) {
    label = new QLabel(parent);
    label->setObjectName(labelName);
    field = new QLineEdit(parent);
    field->setObjectName(fieldName);
    field->setFixedWidth(100);
    label->setBuddy(field);
    grid.addWidget(label, row, 0);
    grid.addWidget(field, row, 1);
}

void AddResultRow(QGridLayout& grid, int row, QLabel*& caption, const char* captionName, ResultLabel*& result,
                  const char* resultName, QWidget* parent) {
    caption = new QLabel(parent);
    caption->setObjectName(captionName);
    result = MakeResultLabel(parent, resultName);
    grid.addWidget(caption, row, 0);
    grid.addWidget(result, row, 1);
}

int AddResultRows(QGridLayout& grid, int firstRow, std::initializer_list<CaptionedResult> rows,
                  QWidget* parent) {
    int row = firstRow;
    for (const CaptionedResult& r : rows) {
        AddResultRow(grid, row++, r.caption, r.captionName, r.result, r.resultName, parent);
        r.caption->setText(QString::fromStdString(r.text));
    }
    return row;
}

void ReserveCaptionWidth(QGridLayout& grid, const QWidget& captionOwner,
                         const std::vector<std::string>& captions) {
    const QFontMetrics metrics(captionOwner.font());
    int width = 0;
    for (const std::string& caption : captions) {
        width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(caption)));
    }
    grid.setColumnMinimumWidth(0, width + 2);
}

void ShowFieldRow(QLabel& label, QLineEdit& field, bool shown) {
    for (QWidget* widget : {static_cast<QWidget*>(&label), static_cast<QWidget*>(&field)}) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        widget->setSizePolicy(policy);
        widget->setVisible(shown);
    }
}

QHBoxLayout* BuildComputeCloseRow(QWidget* parent, QPushButton*& compute, QPushButton*& close) {
    compute = AddCalculatorButton(*parent, "cmdCompute", "Compute");
    close = AddCalculatorButton(*parent, "cmdClose", "&Close");
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(compute);
    row->addWidget(close);
    return row;
}

void ArrangeChannelCalculator(QWidget& window, QLabel& introduction, QGroupBox& channelType,
                              QGroupBox& inputs, QGroupBox& results, QHBoxLayout* buttons,
                              QGroupBox* moreResults) {
    auto* right = new QVBoxLayout;
    right->addWidget(&inputs);
    right->addWidget(&results);
    if (moreResults) right->addWidget(moreResults);
    auto* middle = new QHBoxLayout;
    middle->addWidget(&channelType);
    middle->addLayout(right);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(&introduction);
    layout->addLayout(middle);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

ChannelType CheckedChannelType(const PerShape<QRadioButton*>& options) {
    for (size_t i = 0; i < options.size(); ++i) {
        if (options[i]->isChecked()) return kChannelShapes[i].type;
    }
    return ChannelType::Trapezoidal;
}

void ShowChannelFields(ChannelType shape, UnitSystem units, QLabel& widthLabel, QLabel& sideLabel,
                       QLineEdit& sideField) {
    widthLabel.setText(QString::fromStdString(WidthOrDiameterCaption(shape, units)));
    const bool sideShown = UsesSideInput(shape);
    if (sideShown) sideLabel.setText(QString::fromStdString(SideCaption(shape, units)));
    ShowFieldRow(sideLabel, sideField, sideShown);
}

void SetTabOrder(const std::vector<QWidget*>& order) {
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace rillo

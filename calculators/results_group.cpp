#include "calculators/results_group.h"

#include <QGridLayout>

#include "calculators/channel_calculator_controls.h"

namespace rillo {

ResultsGroup::ResultsGroup(QWidget* parent, const char* name, const std::vector<const char*>& stems,
                           const std::vector<std::string>& widest)
    : QGroupBox(parent) {
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    for (const char* stem : stems) {
        QLabel* caption = nullptr;
        ResultLabel* result = nullptr;
        const std::string captionName = std::string("lbl") + stem;
        const std::string resultName = captionName + "Output";
        AddResultRow(*grid, static_cast<int>(captions_.size()), caption, captionName.c_str(), result,
                     resultName.c_str(), this);
        for (QWidget* widget : {static_cast<QWidget*>(caption), static_cast<QWidget*>(result)}) {
            QSizePolicy policy = widget->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            widget->setSizePolicy(policy);
        }
        captions_.push_back(caption);
        results_.push_back(result);
    }
    grid->setRowStretch(static_cast<int>(stems.size()), 1);
    ReserveCaptionWidth(*grid, *this, widest);
}

void ResultsGroup::SetCaptions(const std::vector<std::string>& captions) {
    for (std::size_t i = 0; i < captions.size() && i < captions_.size(); ++i)
        captions_[i]->setText(QString::fromStdString(captions[i]));
}

void ResultsGroup::SetResults(const std::vector<std::string>& texts) {
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i]->SetResult(i < texts.size() ? QString::fromStdString(texts[i]) : QString());
}

void ResultsGroup::ShowRow(std::size_t row, bool shown) {
    captions_[row]->setVisible(shown);
    results_[row]->setVisible(shown);
}

}  // namespace rillo

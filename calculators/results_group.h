#pragma once

#include <QGroupBox>
#include <QLabel>
#include <string>
#include <vector>

#include "calculators/result_label.h"

namespace rillo {

// A group of result rows, each a caption and the label that shows its value,
// named "lbl<stem>" and "lbl<stem>Output". Rows that do not apply to a shape
// are hidden in place, so the window keeps its size.
class ResultsGroup : public QGroupBox {
    Q_OBJECT
   public:
    // `stems` names the rows top to bottom; `widest` are every caption the
    // rows may take, so that relabelling never resizes the window.
    ResultsGroup(QWidget* parent, const char* name, const std::vector<const char*>& stems,
                 const std::vector<std::string>& widest);

    void SetCaptions(const std::vector<std::string>& captions);
    // The texts of the rows in order; an empty text blanks its row.
    void SetResults(const std::vector<std::string>& texts);
    void ShowRow(std::size_t row, bool shown);

    std::size_t RowCount() const { return results_.size(); }
    QLabel* Caption(std::size_t row) const { return captions_[row]; }
    ResultLabel* Result(std::size_t row) const { return results_[row]; }
    const std::vector<ResultLabel*>& Results() const { return results_; }

   private:
    std::vector<QLabel*> captions_;
    std::vector<ResultLabel*> results_;
};

}  // namespace rillo

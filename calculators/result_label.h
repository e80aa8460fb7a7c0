#pragma once

#include <QLabel>
#include <QString>

namespace rillo {

// The label that shows a computed result: a sunken panel of fixed width,
// right-aligned so that the decimals line up. A result too wide for it is
// elided, never widening the window, and the whole text is its tooltip.
class ResultLabel : public QLabel {
    Q_OBJECT
   public:
    explicit ResultLabel(QWidget* parent);

    // Shows `result` (empty: blank), elided to the label's width when it does not fit.
    void SetResult(const QString& result);
    // The whole result, however it is shown.
    const QString& Result() const { return result_; }

    static constexpr int kWidth = 110;

   protected:
    void changeEvent(QEvent* event) override;

   private:
    void ShowFitted();

    QString result_;
};

}  // namespace rillo

#pragma once

#include <QLabel>
#include <QWidget>

namespace rillo {

// The results view "Computed Results": the profile summary as six value
// labels, each beside its caption label, on the picture box picResults.
class FrmMainResults : public QWidget {
    Q_OBJECT
public:
    explicit FrmMainResults(QWidget* parent = nullptr);

    // Empties the six value labels.
    void ClearProfileSummary();

    QWidget* picResults;
    QLabel* lblYN;
    QLabel* lblNormalDepth;
    QLabel* lblAN;
    QLabel* lblNormalArea;
    QLabel* lblYC;
    QLabel* lblCriticalDepth;
    QLabel* lblAC;
    QLabel* lblCriticalArea;
    QLabel* Label11;
    QLabel* lblFlowType;
    QLabel* Label1;
    QLabel* lblProfileType;

signals:
    // The mouse moved over the view's background.
    void backgroundHovered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace rillo

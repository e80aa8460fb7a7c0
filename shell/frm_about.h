#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace rillo {

// The About box "About <product>", centred on the screen when it opens.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* lblRillo;
    QLabel* Label3;
    QPushButton* cmdQuit;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool centred_ = false;
};

}  // namespace rillo

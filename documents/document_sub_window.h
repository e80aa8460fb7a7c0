#pragma once

#include <QMdiSubWindow>

namespace rillo {

// The child window that holds one document view. Its close box only hides it,
// so the view and its content live on until the program ends.
class DocumentSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit DocumentSubWindow(QWidget* view, QWidget* parent = nullptr);

    // From now on a close request closes the window for real (the program ends).
    void AllowClosing() { closingAllowed_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool closingAllowed_ = false;
};

}  // namespace rillo

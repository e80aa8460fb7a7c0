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

    // The window's placement in its normal state, also while it is minimised
    // or maximised: the placement it is restored to.
    QRect NormalGeometry() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RememberNormalGeometry();

    bool closingAllowed_ = false;
    QRect normalGeometry_;
};

}  // namespace rillo

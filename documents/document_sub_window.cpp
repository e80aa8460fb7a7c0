#include "documents/document_sub_window.h"

#include <QCloseEvent>

namespace rillo {

DocumentSubWindow::DocumentSubWindow(QWidget* view, QWidget* parent) : QMdiSubWindow(parent) {
    setWidget(view);
    setWindowTitle(view->windowTitle());
    setObjectName(view->objectName() + "Window");
    // Hidden, never deleted, while the program runs.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void DocumentSubWindow::closeEvent(QCloseEvent* event) {
    if (closingAllowed_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    event->ignore();
    hide();
}

namespace {

bool IsNormalState(Qt::WindowStates state) {
    return !(state & (Qt::WindowMinimized | Qt::WindowMaximized));
}

}  // namespace

QRect DocumentSubWindow::NormalGeometry() const {
    if (IsNormalState(windowState()) || !normalGeometry_.isValid()) return geometry();
    return normalGeometry_;
}

void DocumentSubWindow::RememberNormalGeometry() {
    if (IsNormalState(windowState())) normalGeometry_ = geometry();
}

void DocumentSubWindow::moveEvent(QMoveEvent* event) {
    QMdiSubWindow::moveEvent(event);
    RememberNormalGeometry();
}

void DocumentSubWindow::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    RememberNormalGeometry();
}

}  // namespace rillo

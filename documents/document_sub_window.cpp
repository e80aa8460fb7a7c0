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

}  // namespace rillo

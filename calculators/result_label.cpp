#include "calculators/result_label.h"

#include <QEvent>
#include <QFontMetrics>

namespace rillo {

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedWidth(kWidth);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A result can be copied into a report.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultLabel::SetResult(const QString& result) {
    result_ = result;
    ShowFitted();
}

void ResultLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) ShowFitted();
}

void ResultLabel::ShowFitted() {
    // A framed label with no indent of its own indents by half an "x" (QLabel's rule).
    int indentation = indent();
    if (indentation < 0) indentation = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    const int room = contentsRect().width() - 2 * margin() - indentation;
    const QString shown = fontMetrics().elidedText(result_, Qt::ElideRight, room);
    setText(shown);
    setToolTip(shown == result_ ? QString() : result_);
}

}  // namespace rillo

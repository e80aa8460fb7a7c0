#include "platform/numeric_field_filter.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include "platform/numeric_field_rules.h"

namespace rillo {

void AttachNumericField(QLineEdit& field, PlatformServices& services, NumericFieldKind kind) {
    new NumericFieldFilter(field, services, kind);  // owned by the field
}

NumericFieldFilter::NumericFieldFilter(QLineEdit& field, PlatformServices& services, NumericFieldKind kind)
    : QObject(&field), field_(field), services_(services), kind_(kind) {
    field.installEventFilter(this);
    if (kind != NumericFieldKind::FreeText) {
        // Every change, typed, pasted, dropped or set by a command, passes the check.
        connect(&field, &QLineEdit::textChanged, this, [this] { OnTextChanged(); });
    }
}

void NumericFieldFilter::OnTextChanged() {
    // Emptying a refused text is a change of its own; the modal message box
    // must not see a second check of the same field start underneath it.
    if (validating_) return;
    QScopedValueRollback<bool> guard(validating_, true);
    ValidateNumericText(field_, services_);
}

bool NumericFieldFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_) return false;
    switch (event->type()) {
        case QEvent::KeyPress:
            if (kind_ == NumericFieldKind::PositiveNumber) {
                QScopedValueRollback<bool> guard(validating_, true);
                return RejectMinusKey(static_cast<QKeyEvent*>(event)->text(), field_, services_);
            }
            return false;
        case QEvent::FocusIn:
            SelectAllOnFocus(field_, services_);
            selectOnRelease_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
            return false;
        case QEvent::MouseButtonRelease:
            if (selectOnRelease_) {
                selectOnRelease_ = false;
                if (!field_.hasSelectedText())
                    SelectAllOnFocus(field_, services_);  // keep a dragged selection
            }
            return false;
        default: return false;
    }
}

}  // namespace rillo

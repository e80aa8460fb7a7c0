#pragma once

#include <QObject>

#include "engine/form_field.h"

class QLineEdit;

namespace rillo {

class PlatformServices;

// Which of the numeric-field rules a field follows.
enum class NumericFieldKind {
    PositiveNumber,  // refuses non-numbers and a typed minus; selects all on focus
    SignedNumber,    // refuses non-numbers; selects all on focus (slopes may be negative)
    FreeText,        // station texts and names: any text; selects all on focus
};

// The rules of a field that takes the keys of a form's table.
constexpr NumericFieldKind NumericFieldKindOf(FieldKeys keys) {
    switch (keys) {
        case FieldKeys::PositiveNumber: return NumericFieldKind::PositiveNumber;
        case FieldKeys::SignedNumber: return NumericFieldKind::SignedNumber;
        case FieldKeys::Station: return NumericFieldKind::FreeText;
    }
    return NumericFieldKind::PositiveNumber;
}

// Gives the field the rules of its kind, for the life of the field. This is
// the one call each numeric field of a window needs.
void AttachNumericField(QLineEdit& field, PlatformServices& services, NumericFieldKind kind);

// Carries one field's rules: watches its keys, focus and text changes.
class NumericFieldFilter : public QObject {
   public:
    NumericFieldFilter(QLineEdit& field, PlatformServices& services, NumericFieldKind kind);

   protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

   private:
    void OnTextChanged();

    QLineEdit& field_;
    PlatformServices& services_;
    NumericFieldKind kind_;
    bool validating_ = false;
    // A click that brings the focus places the caret on its press; the
    // selection is made again when the button comes up.
    bool selectOnRelease_ = false;
};

}  // namespace rillo

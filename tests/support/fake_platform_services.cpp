#include "tests/support/fake_platform_services.h"

#include <QLineEdit>

namespace rillo::testing {

void FakePlatformServices::SelectText(QLineEdit* field, int start, int length) {
    if (!field) return;
    int end = std::min(start + length, static_cast<int>(field->text().size()));
    field->setSelection(start, end - start);
}

}  // namespace rillo::testing

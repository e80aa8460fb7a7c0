#include "platform/setting.h"

#include <cmath>
#include <optional>

#include "engine/float_guard.h"
#include "engine/numeric_text.h"
#include "platform/platform_services.h"

namespace rillo {

namespace {

constexpr double kLargestWholeSetting = 1.0e7;

}  // namespace

template <>
QString Setting<QString>::ReadOr(PlatformServices& services, QString defaultValue) const {
    return services.ReadSetting(Section(), Key(), defaultValue);
}

template <>
void Setting<QString>::Write(PlatformServices& services, const QString& value) const {
    services.WriteSetting(Section(), Key(), value);
}

template <>
int Setting<int>::ReadOr(PlatformServices& services, int defaultValue) const {
    const QString text = services.ReadSetting(Section(), Key(), QString::number(defaultValue));
    std::optional<double> value;
    try {
        value = ParseWholeNumber(text.toStdString());
    } catch (const ComputationError&) {
        return defaultValue;  // a number past the range of any real value
    }
    if (!value || !std::isfinite(*value) || std::fabs(*value) > kLargestWholeSetting) return defaultValue;
    return static_cast<int>(std::lround(*value));
}

template <>
void Setting<int>::Write(PlatformServices& services, const int& value) const {
    services.WriteSetting(Section(), Key(), QString::number(value));
}

}  // namespace rillo

#include "platform/screen_placement.h"

#include <algorithm>

namespace rillo {

namespace {

bool ShowsAGrip(const QRect& placement, const QRect& area) {
    const QRect shown = placement.intersected(area);
    return shown.width() >= std::min(kReachableGrip, placement.width()) &&
           shown.height() >= std::min(kReachableGrip, placement.height()) && !shown.isEmpty();
}

}  // namespace

QRect KeepReachable(const QRect& placement, const QList<QRect>& areas) {
    if (areas.isEmpty()) return placement;
    for (const QRect& area : areas) {
        if (ShowsAGrip(placement, area)) return placement;
    }
    const QRect& target = areas.front();
    const int width = std::min(placement.width(), target.width());
    const int height = std::min(placement.height(), target.height());
    const int left = std::clamp(placement.left(), target.left(), target.left() + target.width() - width);
    const int top = std::clamp(placement.top(), target.top(), target.top() + target.height() - height);
    return {left, top, width, height};
}

}  // namespace rillo

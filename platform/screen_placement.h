#pragma once

#include <QList>
#include <QRect>

namespace rillo {

// How much of a window must lie inside an area, in pixels each way (or all
// of it when it is smaller), for the user to reach it and drag it back.
inline constexpr int kReachableGrip = 30;

// A stored placement, kept where the user can reach it: a placement that
// shows a grip of the window in one of the areas stays as it is; any other
// (a screen unplugged since, a hand-edited value) is moved into the first
// area by the least distance, at the same size clipped to that area. With
// no areas the placement stays as it is.
QRect KeepReachable(const QRect& placement, const QList<QRect>& areas);

}  // namespace rillo

#pragma once

#include <cmath>

namespace rillo {

// Stored placements and the column-width rule are in twips (1/1440 inch);
// the windows work in pixels at 15 twips per pixel (96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline int PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace rillo

#pragma once
// Sizes in twips: 1440 per inch, 15 per pixel at 96 dpi.

#include <QString>

namespace platform {

constexpr int TwipsPerPixel = 15;
inline int PixelsFromTwips(double twips) { return int(twips >= 0 ? twips / TwipsPerPixel + 0.5 : twips / TwipsPerPixel - 0.5); }
inline int TwipsFromPixels(int pixels) { return pixels * TwipsPerPixel; }
// A position or size in twips as a whole number: rounded, and kept within
// what a window can hold (a runaway product, infinity or NaN can not
// overflow the integer; NaN becomes 0).
constexpr double MaxTwips = 10000000.0;
inline int WholeTwips(double twips) {
    if (!(twips == twips)) return 0;
    if (twips > MaxTwips) twips = MaxTwips;
    if (twips < -MaxTwips) twips = -MaxTwips;
    return int(twips >= 0 ? twips + 0.5 : twips - 0.5);
}

// The screen the windows appear on. Without a real screen (the offscreen
// platform of the tests) it is a fixed 1920 x 1080 pixels.
class ScreenInfo {
public:
    int Width() const;   // twips
    int Height() const;  // twips
    int TwipsPerPixelX() const { return TwipsPerPixel; }
    int TwipsPerPixelY() const { return TwipsPerPixel; }
};

ScreenInfo& Screen();

// Font size in points as a widget takes it: point sizes below 1 are not
// shown, so they become 1.
double UsableFontSize(double points);

}  // namespace platform

#pragma once
// Positions and sizes given in twips: 1440 to the inch, 15 to a pixel on a 96 dpi screen.
namespace platform {

constexpr int twipsToPixels(int twips) {
    return (twips + 7) / 15;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * 15;
}

}  // namespace platform

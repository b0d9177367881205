#include "viewer/frame_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace noktaris::viewer {

const std::array<ZoomStep, 5> kZoomSteps{{
    {"100%", QRect(8, 104, 635, 500), 1},
    {"75%", QRect(88, 167, 476, 375), Real(1.333)},
    {"50%", QRect(167, 229, 318, 250), 2},
    {"25%", QRect(246, 292, 159, 125), 4},
    {"10%", QRect(294, 329, 64, 50), 10},
}};

Span displayedField(std::int64_t A, Real z)
{
    return {std::int64_t(roundHalfEven(A * z)), std::int64_t(roundHalfEven(A * z * 500 / 635))};
}

Real sideAngle(Real s, Real F)
{
    const Real degrees = checked(std::atan(divide(s, checked(2 * F))) * 180 / std::numbers::pi_v<Real>);
    return divide(roundHalfEven(degrees * 200000), 100000);
}

std::int64_t arcseconds(Real degrees) { return std::int64_t(roundHalfEven(degrees * 3600)); }

namespace {

int pixels(std::int64_t angle, int areaPixels, std::int64_t areaAngle)
{
    const Real size = std::clamp<Real>(divide(Real(angle) * areaPixels, Real(areaAngle)), 0, kLargestFrame);
    return int(roundHalfEven(size));
}

} // namespace

QRect frameGeometry(Span instrument, Span displayed, bool rotated)
{
    int width = pixels(instrument.width, kDisplayArea.width(), displayed.width);
    int height = pixels(instrument.height, kDisplayArea.height(), displayed.height);
    if (rotated)
        std::swap(width, height);
    const int left = kCentreX - int(roundHalfEven(Real(width) / 2));
    const int top = kCentreY - int(roundHalfEven(Real(height) / 2));
    return QRect(left, top, width, height);
}

} // namespace noktaris::viewer

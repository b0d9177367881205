#include "viewer/frame_layout.h"

#include <algorithm>
#include <utility>

namespace noktaris::viewer {

const std::array<ZoomStep, 5> kZoomSteps{{
    {"100%", QRect(8, 104, 635, 500), 1_dec},
    {"75%", QRect(88, 167, 476, 375), 1.333_dec},
    {"50%", QRect(167, 229, 318, 250), 2_dec},
    {"25%", QRect(246, 292, 159, 125), 4_dec},
    {"10%", QRect(294, 329, 64, 50), 10_dec},
}};

Span displayedField(std::int64_t A, const Real& z)
{
    const Real angle = Real(A) * z;
    return {roundHalfEven(angle).toInt64(), roundHalfEven(angle * 500 / 635).toInt64()};
}

Real sideAngle(const Real& s, const Real& F)
{
    const Real degrees = checked(atanChecked(divide(s, checked(2 * F))) * 180 / pi());
    return divide(roundHalfEven(degrees * 200000), 100000);
}

std::int64_t arcseconds(const Real& degrees) { return roundHalfEven(degrees * 3600).toInt64(); }

namespace {

int pixels(std::int64_t angle, int areaPixels, std::int64_t areaAngle)
{
    const Real size = std::clamp<Real>(divide(Real(angle) * areaPixels, Real(areaAngle)), 0, kLargestFrame);
    return int(roundHalfEven(size).toInt64());
}

} // namespace

QRect frameGeometry(Span instrument, Span displayed, bool rotated)
{
    int width = pixels(instrument.width, kDisplayArea.width(), displayed.width);
    int height = pixels(instrument.height, kDisplayArea.height(), displayed.height);
    if (rotated)
        std::swap(width, height);
    const int left = kCentreX - int(roundHalfEven(Real(width) / 2).toInt64());
    const int top = kCentreY - int(roundHalfEven(Real(height) / 2).toInt64());
    return QRect(left, top, width, height);
}

} // namespace noktaris::viewer

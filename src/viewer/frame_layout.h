// The geometry of the field-of-view viewer: the black display area of 635 × 500
// pixels, the five zoom steps of the picture on it, the angle the area spans, and
// the yellow frame of the instrument's field drawn centred over it. Angles are
// whole arcseconds; every function throws CalcFailure when its value cannot be
// computed.
#pragma once

#include "common/numbers.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

namespace noktaris::viewer {

inline const QString kFieldCaption = QStringLiteral("Velikost zorného pole:");

inline constexpr QRect kDisplayArea(8, 104, 635, 500);
// The frame is centred on this point.
inline constexpr int kCentreX = 325;
inline constexpr int kCentreY = 353;
// A frame larger than this (a field far wider than the picture) is drawn at this
// size: its edge lies outside the window either way.
inline constexpr int kLargestFrame = 32767;

struct ZoomStep {
    const char* caption;
    QRect picture; // the picture control in the window
    Decimal z;     // how many times wider in angle the black area is than the picture
};
// "100%" to "10%"; 75 % uses the factor 1,333.
extern const std::array<ZoomStep, 5> kZoomSteps;

// Width × height in whole arcseconds.
struct Span {
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// The angle the black area spans for a picture A arcseconds wide at zoom z; the
// height is that of a 635 : 500 area.
Span displayedField(std::int64_t A, const Real& z);

// The angle a side of length s covers behind a lens of focal length F, in degrees
// to five decimals.
Real sideAngle(const Real& s, const Real& F);
// Degrees as whole arcseconds.
std::int64_t arcseconds(const Real& degrees);

// The frame of the instrument's field over the displayed field, centred on the
// black area; a rotated frame swaps width and height.
QRect frameGeometry(Span instrument, Span displayed, bool rotated);

} // namespace noktaris::viewer

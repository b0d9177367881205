// Visual quantities of a telescope with an eyepiece. D is the aperture, F the
// telescope's focal length and f the eyepiece's, all in millimetres; u is the
// eyepiece's apparent field in degrees. Each function throws CalcFailure when its
// value cannot be computed.
#pragma once

#include "common/numbers.h"

namespace noktaris::telescope {

// F / D to 3 decimals.
Real focalRatio(Real F, Real D);
// F / f rounded to a whole number.
Real magnification(Real F, Real f);
// 5 log10 D + k2, to 2 decimals.
Real theoreticalLimit(Real D, Real k2);
// The theoretical limit less 1,8.
Real practicalLimit(Real theoretical);
// 115,8 / D arcseconds to 3 decimals.
Real resolvingPower(Real D);
// Whether the magnification M is more than the unrounded D k1 allows.
bool exceedsMaxUseful(Real M, Real D, Real k1);
// D k1 rounded.
Real maxUsefulMagnification(Real D, Real k1);
// D / 6 rounded.
Real minUsefulMagnification(Real D);
// 312,8916 / D kilometres to 1 decimal.
Real moonDetail(Real D);
// f D / F millimetres to 2 decimals.
Real exitPupil(Real f, Real D, Real F);
// f u / F degrees to 5 decimals: the apparent field over the unrounded magnification.
Real trueField(Real f, Real u, Real F);

} // namespace noktaris::telescope

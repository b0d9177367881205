// Fields of view: a frame (film or CCD chip) behind a lens, and the geometry of a
// CCD chip's pixels. Lengths are millimetres, the wavelength nanometres. Each
// function throws CalcFailure when its value cannot be computed.
#pragma once

#include "common/numbers.h"

#include <QString>

namespace noktaris::fields {

// The bare caption of every frame's field of view.
inline const QString kFieldCaption = QStringLiteral("Zorné pole:");

// The angle a side of length s covers behind a lens of focal length f:
// 2 arctan(s / 2f), in degrees.
Real frameAngle(const Real& s, const Real& f);
// "Zorné pole: <width angle> x <height angle>".
QString frameFieldText(const Real& w, const Real& h, const Real& f);

} // namespace noktaris::fields

namespace noktaris::ccd {

inline const QString kScaleCaption = QStringLiteral("Úhlové zvětšení na pixel:");
inline const QString kPixelCaption = QStringLiteral("Rozměry pixelu:");
inline const QString kRatioCaption = QStringLiteral("Optimální světelnost pro CCD čip:");

// Arcseconds one pixel covers: a side of `size` mm with `count` pixels behind f,
// to two decimals.
Real pixelScale(const Real& size, const Real& count, const Real& f);
// "Úhlové zvětšení na pixel: X'' x Y''".
QString scaleText(const Real& x, const Real& y, const Real& nx, const Real& ny, const Real& f);
// One pixel's side in mm, to two decimals.
Real pixelSize(const Real& size, const Real& count);
// "Rozměry pixelu: PX mm x PY mm".
QString pixelSizeText(const Real& x, const Real& y, const Real& nx, const Real& ny);
// The focal ratio that puts two pixels across the Airy disk at the wavelength λ (nm),
// to one decimal.
Real optimalRatio(const Real& x, const Real& y, const Real& nx, const Real& ny, const Real& lambda);

} // namespace noktaris::ccd

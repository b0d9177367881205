// A camera on a telescope: how the sensor samples the night's star images, the
// chip's field, the diffraction figures at the focal plane and how long a fixed
// tripod may expose. Lengths are millimetres unless named: the pixel in µm, the
// wavelength in nm, the seeing in arcseconds. Every function throws CalcFailure
// when its value cannot be computed; the texts are the result labels' whole text.
#pragma once

#include "common/numbers.h"

#include <QString>

#include <optional>

namespace noktaris::sampling {

inline const QString kEffectiveCaption = QStringLiteral("Efektivní ohnisko:");
inline const QString kScaleCaption = QStringLiteral("Měřítko snímku:");
inline const QString kFieldCaption = QStringLiteral("Zorné pole čipu:");
inline const QString kFwhmCaption = QStringLiteral("Velikost hvězdy (FWHM):");
inline const QString kSamplingCaption = QStringLiteral("Pixelů na FWHM hvězdy:");
inline const QString kAdviceCaption = QStringLiteral("Doporučení:");
inline const QString kAiryCaption = QStringLiteral("Airyho disk:");
inline const QString kFocusCaption = QStringLiteral("Kritická zóna ostření:");
inline const QString kDawesCaption = QStringLiteral("Dawesova mez:");
inline const QString kNpfCaption = QStringLiteral("Pravidlo NPF:");
inline const QString kRule500Caption = QStringLiteral("Pravidlo 500:");
inline const QString kTrailCaption = QStringLiteral("Stopa hvězdy:");

// The value itself when it is above zero; a failure otherwise (a lens, a pixel or
// a chip of no size).
Real positive(const Real& x);

// Fe = F × c, the focal length with a reducer (c < 1) or a Barlow (c > 1).
Real effectiveFocal(const Real& F, const Real& c);
// A side of the chip in mm: n pixels of p µm.
Real chipSide(const Real& n, const Real& p);
// Arcseconds per (binned) pixel: 206,265 × p × b / Fe.
Real pixelScale(const Real& p, const Real& b, const Real& Fe);
// The star's FWHM in arcseconds, seeing and diffraction (1,03 λ/D) together.
Real starSize(const Real& seeing, const Real& lambda, const Real& D);

enum class Verdict { Under, Good, Over };
// Pixels per star FWHM, q rounded to two decimals: below 2, 2 to 3, above 3.
Verdict verdict(const Real& q);
// The binning 1 to 4 that brings the star nearest 2,5 pixels (the smaller on a tie).
int bestBinning(const Real& fwhm, const Real& p, const Real& Fe);
// The corrector that brings the star to 2,5 pixels at binning b on the native F,
// to two decimals; nothing when it lies outside 0,3 to 3.
std::optional<Real> bestCorrector(const Real& fwhm, const Real& p, const Real& b, const Real& F);
// The untracked exposure by the NPF rule at declination δ (degrees); nothing at a
// pole, where a star does not move; a failure beyond ±90°.
std::optional<Real> npfSeconds(const Real& N, const Real& p, const Real& Fe, const Real& delta);
// The untracked exposure by the 500 rule for the chip's crop factor.
Real rule500Seconds(const Real& nx, const Real& ny, const Real& p, const Real& Fe);
// The star's drift in arcseconds during t seconds at declination δ.
Real trailArcseconds(const Real& t, const Real& delta);

// --- the result labels ---
QString effectiveText(const Real& F, const Real& c, const Real& D);
QString scaleText(const Real& p, const Real& b, const Real& Fe);
QString fieldText(const Real& nx, const Real& ny, const Real& p, const Real& Fe);
QString fwhmText(const Real& fwhm);
QString samplingText(const Real& fwhm, const Real& scale);
QString adviceText(const Real& fwhm, const Real& p, const Real& b, const Real& F, const Real& Fe);
QString airyText(const Real& lambda, const Real& N, const Real& p, const Real& b);
QString focusText(const Real& lambda, const Real& N);
QString dawesText(const Real& D, const Real& scale);
QString npfText(const Real& N, const Real& p, const Real& Fe, const Real& delta);
QString rule500Text(const Real& nx, const Real& ny, const Real& p, const Real& Fe);
QString trailText(const Real& t, const Real& delta, const Real& scale);

} // namespace noktaris::sampling

// Exposure time of a sky object and the way it is shown: as seconds with a
// recommended shutter setting, or as hours, minutes and seconds.
#pragma once

#include "common/numbers.h"

#include <QString>

#include <optional>

namespace noktaris::exposure {

// Base exposure in seconds for a focal ratio: ratio² / (S B), the product first.
Real secondsForRatio(const Real& ratio, const Real& S, const Real& B);
// Effective focal ratio of an eyepiece projecting into a camera: (F fc) / (D fe).
Real afocalRatio(const Real& D, const Real& F, const Real& fc, const Real& fe);
// Filter factor k and reciprocity exponent p: (t0 k + 1)^(1/p) - 1.
Real corrected(const Real& t0, const Real& k, const Real& p);
// The focal ratio as shown: to three decimals.
Real shownRatio(const Real& ratio);

// The bare captions of the exposure results, which they show until there is a result.
inline const QString kExposureCaption = QStringLiteral("Expoziční čas:");
inline const QString kRecommendationCaption = QStringLiteral("Doporučená expozice:");
inline const QString kRatioCaption = QStringLiteral("Světelnost:");
// A star at the pole never trails.
inline const QString kPoleText = QStringLiteral("Expoziční čas: NEKONEČNĚ DLOUHÁ EXPOZICE");

// Relative brightness B of an object of surface brightness m magnitudes per square
// arcsecond, to 3 decimals: 1 at 9,5, and each magnitude fainter 10^0,4 times less.
Real relativeBrightness(const Real& m);

// Seconds to hours, the unit every exposure display starts from.
Real toHours(const Real& seconds);

// "Doporučená expozice: ..." for an exposure of ts seconds; nullopt when no row of
// the shutter-speed table matches (ts <= 0).
std::optional<QString> shutterText(const Real& ts);

// H, M and Sec of an exposure of th hours; Sec is rounded on its own and may read 60.
struct HoursMinutesSeconds {
    Real hours;
    Real minutes;
    Real seconds;
};
HoursMinutesSeconds split(const Real& th);
// "Expoziční čas: H hod M min Sec sec" (no trailing blank).
QString hoursText(const Real& th);

struct Shown {
    QString exposure;                      // the text of the exposure label
    std::optional<QString> recommendation; // nullopt: no row matched, the label is left alone
};
// The exposure display rule for th hours.
Shown display(const Real& th);

} // namespace noktaris::exposure

namespace noktaris::declination {

// Degrees, minutes and seconds: the sign is the degrees' alone.
Real degrees(const Real& Dg, const Real& Mn, const Real& Sc);
Real cosine(const Real& delta);
enum class Range { Inside, Pole, Outside };
Range range(const Real& delta);
// A declination typed as degrees, minutes and seconds: where it lies, and its cosine.
struct Declination {
    Range range;
    Real cosDelta;
};
Declination fromParts(const Real& Dg, const Real& Mn, const Real& Sc);
inline const QString kOutOfRange = QStringLiteral("Deklinace musí být mezi -90° a 90°!");

// Length of a star's trail in mm after t seconds through f mm, to hundredths.
Real trailLength(const Real& f, const Real& t, const Real& cosDelta);
// Longest exposure in seconds that keeps the star a point: k / (f cos δ).
Real pointExposure(const Real& k, const Real& f, const Real& cosDelta);

} // namespace noktaris::declination

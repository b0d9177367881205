// The sky and the sub-exposure: from the telescope, the camera, the sky's surface
// brightness, the filter and the target's surface brightness, the electrons a pixel
// collects each second from the sky and from the target, the shortest sub that
// buries the read noise in the sky's noise, the time in which the sky alone fills a
// pixel, the signal-to-noise ratio of one sub, and the subs and the total time a
// wanted ratio needs. A broadband estimate: no dark current, no extinction, a flat
// spectrum across the band.
#pragma once

#include "common/numbers.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace noktaris::sky {

inline const QString kSkyRateCaption = QStringLiteral("Obloha:");
inline const QString kTargetRateCaption = QStringLiteral("Objekt:");
inline const QString kMinSubCaption = QStringLiteral("Nejkratší snímek:");
inline const QString kSaturationCaption = QStringLiteral("Nasycení oblohou:");
inline const QString kSubSnrCaption = QStringLiteral("SNR jednoho snímku:");
inline const QString kTotalCaption = QStringLiteral("Potřeba:");

// Sky brightness of the Bortle classes 1 to 9, mag/''².
const std::array<Real, 9>& bortleBrightness();
QStringList bortleNames();

struct Filter {
    QString name;
    std::optional<int> bandwidth; // nm; none: the field keeps what it holds
};
const QList<Filter>& filters();
QStringList targetKinds();

struct Optics {
    Real D, F, c, obstruction; // mm, mm, ×, % of the diameter
};
struct Camera {
    Real p, b, readNoise, fullWell, qe; // µm, binning, e⁻, e⁻, %
    bool colour = false;
};
struct Band {
    Real width, transmission; // nm, %
};

// Collecting area in cm²: π (D/20)² (1 − (o/100)²).
Real area(const Real& D, const Real& obstruction);
// e⁻/s in one (binned) pixel from a surface of m mag/''² through a band w nm wide.
Real rate(const Real& m, const Real& w, const Optics& optics, const Camera& camera, const Real& transmission);
// k = 1 / ((1 + ε/100)² − 1): the sky's noise that the read noise may raise by ε %.
Real swampFactor(const Real& tolerance);
// t_min = k R² / S, R = rn × b.
Real minimalSub(const Real& skyRate, const Camera& camera, const Real& tolerance);
// fw / (S / b²): the native pixel full of sky.
Real saturationTime(const Real& skyRate, const Camera& camera);
// σ1 = O t / √((O + S) t + R²).
Real subSnr(const Real& targetRate, const Real& skyRate, const Real& t, const Camera& camera);
// ⌈(snr / σ1)²⌉.
Real subsNeeded(const Real& snr, const Real& sigma1);
// n × t to whole seconds, halves to even.
Real totalSeconds(const Real& n, const Real& t);

// --- the result labels ---
QString skyRateText(const Real& S);
QString targetRateText(const Real& O);
QString minSubText(const Real& tMin);
QString saturationText(const Real& tSat, const Real& tUsed);
QString subSnrText(const Real& sigma1);
QString totalText(const Real& n, const Real& seconds);

} // namespace noktaris::sky

// Guiding a long exposure by eye through a guide telescope with a reticle square:
// how far the star may wander, the guide telescope's least magnification, and the
// largest error a print tolerates. s is the square's side, P the guide telescope's
// focal length, F the photographing lens's, d the drift allowed on the film, all in
// millimetres.
#pragma once

#include "common/numbers.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace noktaris::guiding {

// Tolerance in multiples of the square, to four decimals: d P / (F s). The basic
// group's form has the standard drift of 0,035 mm built in (350 = 10000 × 0,035):
Real standardTolerance(const Real& s, const Real& P, const Real& F);
Real tolerance(const Real& s, const Real& P, const Real& F, const Real& d);

inline const QString kToleranceCaption = QStringLiteral("Tolerance:");

// The verdict on a tolerance, as its label shows it: text and background.
enum class Verdict { Pending, Comfortable, Demanding };
Verdict verdictFor(const Real& T);
QString verdictText(Verdict verdict);
// Red, green and blue of the verdict's background.
std::array<int, 3> verdictColour(Verdict verdict);

// Guiding precision stands for an eyepiece focal length: the list's items and e (mm).
struct Precision {
    QString text;
    Real eyepiece;
};
const std::array<Precision, 7>& precisions();
inline constexpr int kUsualPrecision = 4;

// The guide telescope's least magnification for a lens of fp mm (a whole number).
Real minimumMagnification(std::int64_t fp, const Real& e);
// Arcseconds of guiding error a print enlarged m times tolerates: 8250 / (m fp), to
// two decimals.
Real maximumError(const Real& fp, const Real& m);

} // namespace noktaris::guiding

// Visual quantities of a telescope with an eyepiece. D is the aperture, F the
// telescope's focal length and f the eyepiece's, all in millimetres; u is the
// eyepiece's apparent field in degrees. Each function throws CalcFailure when its
// value cannot be computed.
#pragma once

#include "common/numbers.h"

#include <QString>

#include <cstdint>

namespace noktaris::telescope {

// F / D to 3 decimals.
Real focalRatio(const Real& F, const Real& D);
// F / f rounded to a whole number.
Real magnification(const Real& F, const Real& f);
// 5 log10 D + k2, to 2 decimals.
Real theoreticalLimit(const Real& D, const Real& k2);
// The theoretical limit less 1,8.
Real practicalLimit(const Real& theoretical);
// 115,8 / D arcseconds to 3 decimals.
Real resolvingPower(const Real& D);
// Whether the magnification M is more than the unrounded D k1 allows.
bool exceedsMaxUseful(const Real& M, const Real& D, const Real& k1);
// D k1 rounded.
Real maxUsefulMagnification(const Real& D, const Real& k1);
// D / 6 rounded.
Real minUsefulMagnification(const Real& D);
// 312,8916 / D kilometres to 1 decimal.
Real moonDetail(const Real& D);
// f D / F millimetres to 2 decimals.
Real exitPupil(const Real& f, const Real& D, const Real& F);
// f u / F degrees to 5 decimals: the apparent field over the unrounded magnification.
Real trueField(const Real& f, const Real& u, const Real& F);

// The telescope parameters window carries some values to other decimals.
// F / D to 1 decimal.
Real focalRatioTenth(const Real& F, const Real& D);
// f D / F millimetres to 4 decimals.
Real exitPupilFine(const Real& f, const Real& D, const Real& F);

// The optics qualities of the useful-magnification list, in list order, with the
// factor that gives the largest useful magnification from D.
struct OpticsQuality {
    const char* name;
    Decimal factor;
};
inline constexpr OpticsQuality kOpticsQualities[] = {
    {"Kvalitní optika", 2.5_dec},
    {"Průměrná optika", 1.5873_dec},
    {"Podprůměrná optika", 1.2_dec},
};
// The list's entry when the window shows: average optics.
inline constexpr int kShownQuality = 1;

// The wavelengths of the Airy-disk list, in list order, each with the colour its
// text is shown in (0xRRGGBB), on grey or on the window's own background.
struct Wavelength {
    const char* entry;
    std::uint32_t textColour;
    bool onGrey;
};
inline constexpr Wavelength kWavelengths[] = {
    {"410nm - fialové světlo", 0x800080, false},  {"470nm - modré světlo", 0x0000FF, false},
    {"540nm - zelené světlo", 0x008000, false},   {"590nm - žluté světlo", 0xFFFF00, true},
    {"610nm - oranžové světlo", 0xFF0000, false}, {"680nm - červené světlo", 0x800000, false},
};
// The list's entry when the window shows: yellow light.
inline constexpr int kShownWavelength = 3;

// Limiting magnitude, to 2 decimals, of an aperture D whose centre is covered by
// an obstruction of `obstruction` per cent of D, for an eye of pupil p mm that
// sees stars to m0 unaided: the aperture counts as the unobstructed one of the
// same area.
Real obstructedLimit(const Real& D, const Real& obstruction, const Real& p, const Real& m0);
// (D / p)² to 2 decimals: how much more light D gathers than the eye's pupil p.
Real lightGrasp(const Real& D, const Real& p);

// Airy disk and depth of focus for light of `lambda` nanometres.
// Angular diameter 2,44 λ / D in arcseconds, to 2 decimals.
Real airyAngular(const Real& lambda, const Real& D);
// Linear diameter 2,44 λ N in millimetres, to 5 decimals.
Real airyLinear(const Real& N, const Real& lambda);
// Depth of focus 4,88 λ N² (theoretical) and three times that (practical), in
// millimetres to 3 decimals.
Real depthOfFocusTheoretical(const Real& N, const Real& lambda);
Real depthOfFocusPractical(const Real& N, const Real& lambda);

// Focal ratios of three set-ups, each to 2 decimals: a telescope (or a lens) by
// itself; a camera lens fc behind an eyepiece fe, from the telescope's D and F
// (D and fe as whole numbers); and the same from the telescope's magnification M.
Real ratioHundredth(const Real& F, const Real& D);
Real afocalRatio(std::int64_t D, const Real& F, std::int64_t fe, const Real& fc);
Real afocalRatioFromMagnification(const Real& M, const Real& D, const Real& fc);
// "Světelnost: N"; the bare caption for a result that shows as 0.
inline const QString kRatioCaption = QStringLiteral("Světelnost:");
QString ratioText(const Real& N);

// The smallest magnification that splits a double star of separation rho
// arcseconds and magnitude difference dm, rounded.
Real doubleStarMagnification(const Real& rho, const Real& dm);

} // namespace noktaris::telescope

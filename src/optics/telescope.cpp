#include "optics/telescope.h"

namespace noktaris::telescope {

Real focalRatio(const Real& F, const Real& D) { return roundTo(divide(F, D), 3); }

Real magnification(const Real& F, const Real& f) { return roundHalfEven(divide(F, f)); }

Real theoreticalLimit(const Real& D, const Real& k2) { return roundTo(5 * log10Checked(D) + k2, 2); }

Real practicalLimit(const Real& theoretical) { return theoretical - 1.8_dec; }

Real resolvingPower(const Real& D) { return divide(roundHalfEven(divide(115800, D)), 1000); }

bool exceedsMaxUseful(const Real& M, const Real& D, const Real& k1) { return D * k1 < M; }

Real maxUsefulMagnification(const Real& D, const Real& k1) { return roundHalfEven(checked(D * k1)); }

Real minUsefulMagnification(const Real& D) { return roundHalfEven(divide(D, 6)); }

Real moonDetail(const Real& D) { return divide(roundHalfEven(divide(3128.916_dec, D)), 10); }

Real exitPupil(const Real& f, const Real& D, const Real& F) { return roundHalfEven(divide(100 * f * D, F)) * 0.01_dec; }

Real trueField(const Real& f, const Real& u, const Real& F)
{
    return divide(roundHalfEven(divide(100000 * f * u, F)), 100000);
}

Real focalRatioTenth(const Real& F, const Real& D) { return divide(roundHalfEven(divide(F * 10, D)), 10); }

Real exitPupilFine(const Real& f, const Real& D, const Real& F)
{
    return divide(roundHalfEven(divide(f * 10000 * D, F)), 10000);
}

Real obstructedLimit(const Real& D, const Real& obstruction, const Real& p, const Real& m0)
{
    const Real r = obstruction * 0.01_dec * D * 0.5_dec;
    const Real area = checked((D / 2) * (D / 2) * pi()) - checked(r * r * pi());
    const Real equivalent = 2 * sqrtChecked(area / pi());
    return roundTo(5 * log10Checked(equivalent) + (m0 - 5 * log10Checked(p)), 2);
}

Real lightGrasp(const Real& D, const Real& p)
{
    const Real ratio = divide(D, p);
    return roundTo(checked(ratio * ratio), 2);
}

namespace {
Real millimetres(const Real& nanometres) { return nanometres / 1000000; }
} // namespace

Real airyAngular(const Real& lambda, const Real& D)
{
    return divide(roundHalfEven(divide(50328660 * millimetres(lambda), D)), 100);
}

Real airyLinear(const Real& N, const Real& lambda)
{
    return roundHalfEven(checked(N * 244000 * millimetres(lambda))) / 100000;
}

Real depthOfFocusTheoretical(const Real& N, const Real& lambda)
{
    return roundHalfEven(checked(N * N * 4880 * millimetres(lambda))) / 1000;
}

Real depthOfFocusPractical(const Real& N, const Real& lambda)
{
    return roundHalfEven(checked(N * N * 14640 * millimetres(lambda))) / 1000;
}

Real ratioHundredth(const Real& F, const Real& D) { return roundHalfEven(divide(F * 100, D)) / 100; }

Real afocalRatio(std::int64_t D, const Real& F, std::int64_t fe, const Real& fc)
{
    return roundHalfEven(divide(fc * (F * 100), Real(D) * Real(fe))) / 100;
}

Real afocalRatioFromMagnification(const Real& M, const Real& D, const Real& fc)
{
    return roundHalfEven(divide(fc * (M * 100), D)) / 100;
}

QString ratioText(const Real& N)
{
    const QString value = formatNumber(N);
    return value == QStringLiteral("0") ? kRatioCaption : kRatioCaption + QStringLiteral(" ") + value;
}

Real doubleStarMagnification(const Real& rho, const Real& dm)
{
    return roundHalfEven(divide((dm * 2.4_dec + 8) * 60, rho * 1.5_dec));
}

} // namespace noktaris::telescope

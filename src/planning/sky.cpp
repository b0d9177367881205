#include "planning/sky.h"

#include "planning/sampling.h"

namespace noktaris::sky {

namespace {

// Photons s⁻¹ cm⁻² nm⁻¹ of a 0 mag source (Vega's V flux, about 1000 per ångström).
constexpr int kZeroPoint = 10000;

QString significant(const Real& x) { return formatNumber(roundToSignificant(x, 3)); }

Real notNegative(const Real& x)
{
    if (x < 0)
        throw CalcFailure(CalcFailure::Kind::InvalidOperation);
    return x;
}

// The read noise of a binned pixel: software binning adds the pixels' noise.
Real binnedReadNoise(const Camera& camera) { return checked(notNegative(camera.readNoise) * camera.b); }

} // namespace

const std::array<Real, 9>& bortleBrightness()
{
    static const std::array<Real, 9> table{22.0_dec, 21.9_dec, 21.8_dec, 21.1_dec, 20.0_dec,
                                           19.2_dec, 18.7_dec, 18.1_dec, 17.5_dec};
    return table;
}

QStringList bortleNames()
{
    return {QStringLiteral("1 – výborná tmavá obloha"),
            QStringLiteral("2 – typická tmavá obloha"),
            QStringLiteral("3 – venkovská obloha"),
            QStringLiteral("4 – přechod venkova a předměstí"),
            QStringLiteral("5 – předměstí"),
            QStringLiteral("6 – jasné předměstí"),
            QStringLiteral("7 – přechod předměstí a města"),
            QStringLiteral("8 – město"),
            QStringLiteral("9 – centrum velkoměsta")};
}

const QList<Filter>& filters()
{
    static const QList<Filter> list{
        {QStringLiteral("L"), 300}, {QStringLiteral("R"), 100},
        {QStringLiteral("G"), 100}, {QStringLiteral("B"), 100},
        {QStringLiteral("Hα"), 7},  {QStringLiteral("OIII"), 7},
        {QStringLiteral("SII"), 7}, {QStringLiteral("vlastní"), std::nullopt},
    };
    return list;
}

QStringList targetKinds() { return {QStringLiteral("spojité spektrum"), QStringLiteral("emisní mlhovina")}; }

Real area(const Real& D, const Real& obstruction)
{
    if (notNegative(obstruction) >= 100)
        throw CalcFailure(CalcFailure::Kind::InvalidOperation);
    const Real r = divide(sampling::positive(D), 20);
    const Real o = divide(obstruction, 100);
    return checked(pi() * r * r * (1 - o * o));
}

Real rate(const Real& m, const Real& w, const Optics& optics, const Camera& camera, const Real& transmission)
{
    const Real Fe = sampling::effectiveFocal(optics.F, optics.c);
    const Real s = sampling::pixelScale(camera.p, camera.b, Fe);
    const Real flux = checked(kZeroPoint * powChecked(10, checked(-0.4_dec * m)));
    const Real share = camera.colour ? divide(1, 3) : Real(1);
    return checked(flux * area(optics.D, optics.obstruction) * s * s * notNegative(w) * notNegative(camera.qe) / 100
                   * notNegative(transmission) / 100 * share);
}

Real swampFactor(const Real& tolerance)
{
    const Real g = 1 + divide(sampling::positive(tolerance), 100);
    return divide(1, checked(g * g - 1));
}

Real minimalSub(const Real& skyRate, const Camera& camera, const Real& tolerance)
{
    const Real R = binnedReadNoise(camera);
    return divide(checked(swampFactor(tolerance) * R * R), skyRate);
}

Real saturationTime(const Real& skyRate, const Camera& camera)
{
    return divide(checked(notNegative(camera.fullWell) * camera.b * camera.b), skyRate);
}

Real subSnr(const Real& targetRate, const Real& skyRate, const Real& t, const Camera& camera)
{
    const Real R = binnedReadNoise(camera);
    const Real signal = checked(targetRate * sampling::positive(t));
    return divide(signal, sqrtChecked(checked((targetRate + skyRate) * t + R * R)));
}

Real subsNeeded(const Real& snr, const Real& sigma1)
{
    const Real q = divide(sampling::positive(snr), sigma1);
    const Real n = checked(q * q);
    const Real whole = truncate(n);
    return whole == n ? whole : whole + 1;
}

Real totalSeconds(const Real& n, const Real& t) { return roundHalfEven(checked(n * t)); }

QString skyRateText(const Real& S)
{
    return kSkyRateCaption + u' ' + significant(S) + QStringLiteral(" e⁻/s na pixel");
}

QString targetRateText(const Real& O)
{
    return kTargetRateCaption + u' ' + significant(O) + QStringLiteral(" e⁻/s na pixel");
}

QString minSubText(const Real& tMin)
{
    return kMinSubCaption + u' ' + formatNumber(roundTo(tMin, 1)) + QStringLiteral(" s");
}

QString saturationText(const Real& tSat, const Real& tUsed)
{
    return kSaturationCaption + u' ' + formatNumber(roundTo(tSat, 0)) + QStringLiteral(" s")
        + (tSat < tUsed ? QStringLiteral(" – pozor, kratší než použitý snímek!") : QString());
}

QString subSnrText(const Real& sigma1) { return kSubSnrCaption + u' ' + significant(sigma1); }

QString totalText(const Real& n, const Real& seconds)
{
    const Real hours = truncate(divide(seconds, 3600));
    const Real minutes = truncate(divide(seconds - hours * 3600, 60));
    const Real rest = seconds - hours * 3600 - minutes * 60;
    // 1 snímek, 2 to 4 snímky, 5 and more snímků.
    const QString subs = n == 1 ? QStringLiteral(" snímek")
        : n >= 2 && n <= 4      ? QStringLiteral(" snímky")
                                : QStringLiteral(" snímků");
    return kTotalCaption + u' ' + formatNumber(n) + subs + QStringLiteral(", celkem ") + formatNumber(hours)
        + QStringLiteral(" hod ") + formatNumber(minutes) + QStringLiteral(" min ") + formatNumber(rest)
        + QStringLiteral(" sec");
}

} // namespace noktaris::sky

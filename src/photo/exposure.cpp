#include "photo/exposure.h"

#include <array>

namespace noktaris::exposure {

Real secondsForRatio(const Real& ratio, const Real& S, const Real& B)
{
    return divide(checked(ratio * ratio), checked(S * B));
}

Real afocalRatio(const Real& D, const Real& F, const Real& fc, const Real& fe)
{
    return divide(checked(F * fc), checked(D * fe));
}

Real corrected(const Real& t0, const Real& k, const Real& p)
{
    return powChecked(checked(t0 * k) + 1, divide(1, p)) - 1;
}

Real relativeBrightness(const Real& m)
{
    const Real q = powChecked(10, 0.4_dec);
    return roundHalfEven(checked(powChecked(q, 9.5_dec - m) * 1000)) * 0.001_dec;
}

Real toHours(const Real& seconds) { return divide(seconds, 3600); }

Real shownRatio(const Real& ratio) { return roundHalfEven(checked(ratio * 1000)) * 0.001_dec; }

std::optional<QString> shutterText(const Real& ts)
{
    if (ts >= 1.5_dec)
        return QStringLiteral("Doporučená expozice: B (popř. T)");
    // Upper bounds, each included; most are 1,5 times the nominal speed.
    static const std::array<std::pair<Real, const char*>, 12> rows{{
        {0.00075_dec, "1/2000 sec"},
        {0.0015_dec, "1/1000 sec"},
        {0.003_dec, "1/500 sec"},
        {0.006_dec, "1/250 sec"},
        {0.012333_dec, "1/125 sec"},
        {0.025_dec, "1/60 sec"},
        {0.05_dec, "1/30 sec"},
        {0.09583333_dec, "1/15 sec"},
        {0.1875_dec, "1/8 sec"},
        {0.375_dec, "1/4 sec"},
        {0.75_dec, "1/2 sec"},
        {1.5_dec, "1 sec"},
    }};
    if (ts <= 0)
        return std::nullopt;
    for (const auto& [bound, text] : rows)
        if (ts <= bound)
            return QStringLiteral("Doporučená expozice: ") + QString::fromLatin1(text);
    return std::nullopt;
}

HoursMinutesSeconds split(const Real& th)
{
    const Real H = truncate(th);
    const Real fh = th - H;
    const Real M = truncate(fh * 60);
    const Real fm = fh * 60 - M;
    return {H, M, roundHalfEven(fm * 60)};
}

QString hoursText(const Real& th)
{
    const HoursMinutesSeconds t = split(th);
    return QStringLiteral("Expoziční čas: ") + formatNumber(t.hours) + QStringLiteral(" hod ") + formatNumber(t.minutes)
        + QStringLiteral(" min ") + formatNumber(t.seconds) + QStringLiteral(" sec");
}

Shown display(const Real& th)
{
    const Real ts = checked(th * 3600);
    Shown shown;
    if (split(th).seconds > 1) {
        shown.exposure = hoursText(th) + u' ';
    } else {
        const Real seconds = divide(roundHalfEven(checked(th * 10000000 * 3600)), 10000000);
        shown.exposure = QStringLiteral("Expoziční čas: ") + formatNumber(seconds) + QStringLiteral(" sec");
        shown.recommendation = shutterText(ts);
    }
    if (ts >= 1.5_dec)
        shown.recommendation = QStringLiteral("Doporučená expozice: B (popř. T)");
    return shown;
}

} // namespace noktaris::exposure

namespace noktaris::declination {

Real degrees(const Real& Dg, const Real& Mn, const Real& Sc)
{
    const Real minutes = Mn / 60;
    const Real seconds = Sc / 3600;
    return checked(Dg + minutes + seconds);
}

Real cosine(const Real& delta) { return cosDegrees(delta); }

Range range(const Real& delta)
{
    if (delta > -90 && delta < 90)
        return Range::Inside;
    return delta == 90 || delta == -90 ? Range::Pole : Range::Outside;
}

Declination fromParts(const Real& Dg, const Real& Mn, const Real& Sc)
{
    const Real delta = degrees(Dg, Mn, Sc);
    return {range(delta), cosine(delta)};
}

Real trailLength(const Real& f, const Real& t, const Real& cosDelta)
{
    return divide(roundHalfEven(checked(100 * f * (t / 60) * cosDelta * 0.0043633231_dec)), 100);
}

Real pointExposure(const Real& k, const Real& f, const Real& cosDelta) { return divide(k, checked(f * cosDelta)); }

} // namespace noktaris::declination

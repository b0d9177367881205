#include "planning/sampling.h"

#include "optics/fields.h"

namespace noktaris::sampling {

namespace {

// Arcseconds per radian over 1000 (a pixel in µm over a focal length in mm).
const Real kArcsecondsPerMicron = 0.206265_dec;
// Stars near the equator drift at the sidereal rate, arcseconds per second.
const Real kSiderealRate = 15.041_dec;
// A full frame's diagonal in mm, the 500 rule's reference.
const Real kFullFrameDiagonal = 43.27_dec;
const Real kTargetPixels = 2.5_dec;

QString fixed(const Real& x, int decimals) { return formatNumber(roundTo(x, decimals)); }

bool atPole(const Real& delta)
{
    if (abs(delta) > 90)
        throw CalcFailure(CalcFailure::Kind::InvalidOperation);
    return abs(delta) == 90;
}

// The star's FWHM in pixels at binning b.
Real pixelsPerStar(const Real& fwhm, const Real& p, const Real& b, const Real& Fe)
{
    return divide(fwhm, pixelScale(p, b, Fe));
}

} // namespace

Real positive(const Real& x)
{
    if (x <= 0)
        throw CalcFailure(CalcFailure::Kind::InvalidOperation);
    return x;
}

Real chipSide(const Real& n, const Real& p) { return checked(positive(n) * positive(p) / 1000); }

Real effectiveFocal(const Real& F, const Real& c) { return checked(positive(F) * positive(c)); }

Real pixelScale(const Real& p, const Real& b, const Real& Fe)
{
    return divide(checked(kArcsecondsPerMicron * 1000 * positive(p) * positive(b)), positive(Fe));
}

Real starSize(const Real& seeing, const Real& lambda, const Real& D)
{
    if (seeing < 0 || lambda < 0)
        throw CalcFailure(CalcFailure::Kind::InvalidOperation);
    const Real diffraction = divide(checked(1.03_dec * kArcsecondsPerMicron * lambda), positive(D));
    return sqrtChecked(checked(seeing * seeing + diffraction * diffraction));
}

Verdict verdict(const Real& q)
{
    const Real shown = roundTo(q, 2);
    if (shown < 2)
        return Verdict::Under;
    return shown > 3 ? Verdict::Over : Verdict::Good;
}

int bestBinning(const Real& fwhm, const Real& p, const Real& Fe)
{
    int best = 1;
    Real bestDistance;
    for (int b = 1; b <= 4; ++b) {
        // Compared as shown to nine decimals, so that a tie is a tie.
        const Real distance = roundTo(abs(pixelsPerStar(fwhm, p, b, Fe) - kTargetPixels), 9);
        if (b == 1 || distance < bestDistance) {
            best = b;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<Real> bestCorrector(const Real& fwhm, const Real& p, const Real& b, const Real& F)
{
    const Real c =
        roundTo(divide(checked(kArcsecondsPerMicron * 1000 * p * b * kTargetPixels), checked(fwhm * positive(F))), 2);
    if (c < 0.3_dec || c > 3)
        return std::nullopt;
    return c;
}

std::optional<Real> npfSeconds(const Real& N, const Real& p, const Real& Fe, const Real& delta)
{
    if (atPole(delta))
        return std::nullopt;
    return divide(checked(35 * N + 30 * p), checked(positive(Fe) * cosDegrees(delta)));
}

Real rule500Seconds(const Real& nx, const Real& ny, const Real& p, const Real& Fe)
{
    const Real w = chipSide(nx, p);
    const Real h = chipSide(ny, p);
    const Real crop = divide(kFullFrameDiagonal, sqrtChecked(checked(w * w + h * h)));
    return divide(500, checked(crop * positive(Fe)));
}

Real trailArcseconds(const Real& t, const Real& delta)
{
    if (t < 0)
        throw CalcFailure(CalcFailure::Kind::InvalidOperation);
    return atPole(delta) ? Real(0) : checked(kSiderealRate * t * cosDegrees(delta));
}

QString effectiveText(const Real& F, const Real& c, const Real& D)
{
    const Real Fe = effectiveFocal(F, c);
    return kEffectiveCaption + u' ' + fixed(Fe, 1) + QStringLiteral(" mm (f/") + fixed(divide(Fe, positive(D)), 2)
        + u')';
}

QString scaleText(const Real& p, const Real& b, const Real& Fe)
{
    return kScaleCaption + u' ' + fixed(pixelScale(p, b, Fe), 2) + QStringLiteral("''/px");
}

QString fieldText(const Real& nx, const Real& ny, const Real& p, const Real& Fe)
{
    const QString width = angleText(fields::frameAngle(chipSide(nx, p), positive(Fe)));
    return kFieldCaption + u' ' + width + QStringLiteral(" x ") + angleText(fields::frameAngle(chipSide(ny, p), Fe));
}

QString fwhmText(const Real& fwhm) { return kFwhmCaption + u' ' + fixed(fwhm, 2) + QStringLiteral("''"); }

QString samplingText(const Real& fwhm, const Real& scale)
{
    const Real q = divide(fwhm, scale);
    static const QString words[] = {QStringLiteral("podvzorkováno"), QStringLiteral("vhodné vzorkování"),
                                    QStringLiteral("převzorkováno")};
    return kSamplingCaption + u' ' + fixed(q, 2) + QStringLiteral(" – ") + words[int(verdict(q))];
}

QString adviceText(const Real& fwhm, const Real& p, const Real& b, const Real& F, const Real& Fe)
{
    const QString binning = QStringLiteral(" binning ") + QString::number(bestBinning(fwhm, p, Fe));
    const std::optional<Real> c = bestCorrector(fwhm, p, b, F);
    return kAdviceCaption + binning
        + (c ? QStringLiteral(", nebo korektor ") + formatNumber(*c) + QStringLiteral("×")
             : QStringLiteral(", korektor nedosažitelný"));
}

QString airyText(const Real& lambda, const Real& N, const Real& p, const Real& b)
{
    const Real d = checked(2.44_dec * lambda / 1000 * N);
    return kAiryCaption + u' ' + fixed(d, 2) + QStringLiteral(" µm (") + fixed(divide(d, checked(p * b)), 2)
        + QStringLiteral(" px)");
}

QString focusText(const Real& lambda, const Real& N)
{
    return kFocusCaption + u' ' + fixed(checked(4.88_dec * lambda / 1000 * N * N), 1)
        + QStringLiteral(" µm (celá šířka kolem ohniska)");
}

QString dawesText(const Real& D, const Real& scale)
{
    const Real limit = divide(115.8_dec, positive(D));
    return kDawesCaption + u' ' + fixed(limit, 2) + QStringLiteral("'' (") + fixed(divide(limit, scale), 2)
        + QStringLiteral(" px)");
}

QString npfText(const Real& N, const Real& p, const Real& Fe, const Real& delta)
{
    const std::optional<Real> t = npfSeconds(N, p, Fe, delta);
    return kNpfCaption + u' ' + (t ? fixed(*t, 1) + QStringLiteral(" s") : QStringLiteral("bez omezení"));
}

QString rule500Text(const Real& nx, const Real& ny, const Real& p, const Real& Fe)
{
    return kRule500Caption + u' ' + fixed(rule500Seconds(nx, ny, p, Fe), 1) + QStringLiteral(" s");
}

QString trailText(const Real& t, const Real& delta, const Real& scale)
{
    const Real arcseconds = trailArcseconds(t, delta);
    return kTrailCaption + u' ' + fixed(divide(arcseconds, scale), 1) + QStringLiteral(" px (") + fixed(arcseconds, 1)
        + QStringLiteral("'')");
}

} // namespace noktaris::sampling

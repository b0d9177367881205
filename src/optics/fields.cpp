#include "optics/fields.h"

namespace noktaris::fields {

Real frameAngle(const Real& s, const Real& f)
{
    const Real q = divide(s, checked(2 * f));
    return checked(2 * atanChecked(q) * 180 / pi());
}

QString frameFieldText(const Real& w, const Real& h, const Real& f)
{
    // The width is written before the height is computed, as the label shows it.
    const QString width = angleText(frameAngle(w, f));
    return QStringLiteral("Zorné pole: ") + width + QStringLiteral(" x ") + angleText(frameAngle(h, f));
}

} // namespace noktaris::fields

namespace noktaris::ccd {

Real pixelScale(const Real& size, const Real& count, const Real& f)
{
    // 20626500 is 206265 arcseconds per radian, times 100 for the two decimals.
    return divide(roundHalfEven(divide(checked(size * 20626500), checked(count * f))), 100);
}

QString scaleText(const Real& x, const Real& y, const Real& nx, const Real& ny, const Real& f)
{
    const Real X = pixelScale(x, nx, f);
    const Real Y = pixelScale(y, ny, f);
    return kScaleCaption + u' ' + formatNumber(X) + QStringLiteral("'' x ") + formatNumber(Y) + QStringLiteral("''");
}

Real pixelSize(const Real& size, const Real& count)
{
    return roundHalfEven(divide(checked(size * 100), count)) * 0.01_dec;
}

QString pixelSizeText(const Real& x, const Real& y, const Real& nx, const Real& ny)
{
    const Real PX = pixelSize(x, nx);
    const Real PY = pixelSize(y, ny);
    return kPixelCaption + u' ' + formatNumber(PX) + QStringLiteral(" mm x ") + formatNumber(PY)
        + QStringLiteral(" mm");
}

Real optimalRatio(const Real& x, const Real& y, const Real& nx, const Real& ny, const Real& lambda)
{
    const Real p = divide(x, nx);
    const Real q = divide(y, ny);
    // Twice the pixel, in nanometres, over the wavelength; the mean of both sides.
    const Real a = divide(2000000 * p, lambda);
    const Real b = divide(2000000 * q, lambda);
    return roundHalfEven(checked(5 * (a + b))) * 0.1_dec;
}

} // namespace noktaris::ccd

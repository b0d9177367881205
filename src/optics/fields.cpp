#include "optics/fields.h"

namespace noktaris::fields {

Real frameAngle(Real s, Real f)
{
    const Real q = divide(s, checked(2 * f));
    return checked(2 * atanChecked(q) * 180 / pi());
}

QString frameFieldText(Real w, Real h, Real f)
{
    // The width is written before the height is computed, as the label shows it.
    const QString width = angleText(frameAngle(w, f));
    return QStringLiteral("Zorné pole: ") + width + QStringLiteral(" x ") + angleText(frameAngle(h, f));
}

} // namespace noktaris::fields

namespace noktaris::ccd {

Real pixelScale(Real size, Real count, Real f)
{
    // 20626500 is 206265 arcseconds per radian, times 100 for the two decimals.
    return divide(roundHalfEven(divide(checked(size * 20626500), checked(count * f))), 100);
}

QString scaleText(Real x, Real y, Real nx, Real ny, Real f)
{
    const Real X = pixelScale(x, nx, f);
    const Real Y = pixelScale(y, ny, f);
    return kScaleCaption + u' ' + formatNumber(X) + QStringLiteral("'' x ") + formatNumber(Y) + QStringLiteral("''");
}

Real pixelSize(Real size, Real count) { return roundHalfEven(divide(checked(size * 100), count)) * 0.01_dec; }

QString pixelSizeText(Real x, Real y, Real nx, Real ny)
{
    const Real PX = pixelSize(x, nx);
    const Real PY = pixelSize(y, ny);
    return kPixelCaption + u' ' + formatNumber(PX) + QStringLiteral(" mm x ") + formatNumber(PY) + QStringLiteral(" mm");
}

Real optimalRatio(Real x, Real y, Real nx, Real ny, Real lambda)
{
    const Real p = divide(x, nx);
    const Real q = divide(y, ny);
    // Twice the pixel, in nanometres, over the wavelength; the mean of both sides.
    const Real a = divide(2000000 * p, lambda);
    const Real b = divide(2000000 * q, lambda);
    return roundHalfEven(checked(5 * (a + b))) * 0.1_dec;
}

} // namespace noktaris::ccd

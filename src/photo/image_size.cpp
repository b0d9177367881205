#include "photo/image_size.h"

namespace noktaris::imagesize {

namespace {
// Arc minutes in a radian, rounded to a whole number.
constexpr int kArcMinutes = 3438;
} // namespace

Real primeFocus(Real alpha, Real f, Real scale)
{
    return divide(roundHalfEven(checked(scale * alpha * f) / kArcMinutes), scale);
}

Real afocal(Real alpha, Real F, Real fc, Real fe, Real scale)
{
    return divide(roundHalfEven(divide(checked(scale * alpha * F * fc), checked(kArcMinutes * fe))), scale);
}

QString sizeText(Real size)
{
    const QString text = kSizeCaption + u' ' + formatNumber(size) + QStringLiteral(" mm");
    return text == QStringLiteral("Rozměr: 0 mm") ? kSizeCaption : text;
}

} // namespace noktaris::imagesize

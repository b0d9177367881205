#include "photo/image_size.h"

namespace noktaris::imagesize {

namespace {
// Arc minutes in a radian, rounded to a whole number.
constexpr int kArcMinutes = 3438;
} // namespace

Real primeFocus(const Real& alpha, const Real& f, const Real& scale)
{
    return divide(roundHalfEven(checked(scale * alpha * f) / kArcMinutes), scale);
}

Real afocal(const Real& alpha, const Real& F, const Real& fc, const Real& fe, const Real& scale)
{
    return divide(roundHalfEven(divide(checked(scale * alpha * F * fc), checked(kArcMinutes * fe))), scale);
}

QString sizeText(const Real& size)
{
    const QString text = kSizeCaption + u' ' + formatNumber(size) + QStringLiteral(" mm");
    return text == QStringLiteral("Rozměr: 0 mm") ? kSizeCaption : text;
}

} // namespace noktaris::imagesize

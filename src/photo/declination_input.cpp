#include "photo/declination_input.h"

#include "common/messages.h"

#include <QLineEdit>

namespace noktaris {

DeclinationInput readDeclination(const QLineEdit* degrees, const QLineEdit* minutes, const QLineEdit* seconds)
{
    const Real Dg = toNumber(degrees->text());
    const Real Mn = toNumber(minutes->text());
    const Real Sc = toNumber(seconds->text());
    const Real delta = declination::degrees(Dg, Mn, Sc);
    const DeclinationInput input{declination::range(delta), declination::cosine(delta)};
    if (input.range == declination::Range::Outside)
        showMessage(declination::kOutOfRange);
    return input;
}

} // namespace noktaris

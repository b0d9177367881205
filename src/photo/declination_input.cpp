#include "photo/declination_input.h"

#include "common/messages.h"

#include <QLineEdit>

namespace noktaris {

declination::Declination readDeclination(const QLineEdit* degrees, const QLineEdit* minutes, const QLineEdit* seconds)
{
    declination::Declination input =
        declination::fromParts(toNumber(degrees->text()), toNumber(minutes->text()), toNumber(seconds->text()));
    if (input.range == declination::Range::Outside)
        showMessage(declination::kOutOfRange);
    return input;
}

} // namespace noktaris

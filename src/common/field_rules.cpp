#include "common/field_rules.h"

#include <QLineEdit>

namespace noktaris {

Real numberIn(const QLineEdit* field) { return toNumber(field->text()); }

bool hasNegativeInput(const QList<const QLineEdit*>& fields)
{
    for (const QLineEdit* field : fields) {
        Real value = 0;
        if (!guarded([&] { value = numberIn(field); }))
            return false;
        if (value < 0)
            return true;
    }
    return false;
}

} // namespace noktaris

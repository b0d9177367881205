#include "common/czech_collator.h"

namespace noktaris {

Collator openCzech(UColAttributeValue strength)
{
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open("cs_CZ", &status));
    if (U_FAILURE(status))
        return nullptr;
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_OFF, &status);
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, strength, &status);
    ucol_setAttribute(collator.get(), UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    return U_FAILURE(status) ? nullptr : std::move(collator);
}

} // namespace noktaris

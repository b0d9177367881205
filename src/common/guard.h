// The guard of the exposure computations: an unreadable field, a division by zero
// or an invalid operation ends the computation silently, while an arithmetic
// overflow from absurd values reaches the general error report.
#pragma once

#include "common/messages.h"
#include "common/numbers.h"

#include <utility>

namespace noktaris {

inline const QString kOverflowReport = QStringLiteral("Floating point overflow");

template <class F>
bool guardedReportingOverflow(F&& block)
{
    try {
        std::forward<F>(block)();
        return true;
    } catch (const CalcFailure& failure) {
        if (failure.kind() == CalcFailure::Kind::Overflow)
            showErrorReport(kOverflowReport);
        return false;
    }
}

} // namespace noktaris

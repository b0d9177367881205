#include "app/memory_text.h"

#include "common/numbers.h"
#include "common/version.h"

namespace noktaris {

QString memoryText(std::uint64_t freeBytes, std::uint64_t totalBytes)
{
    const Real freeKb = Real(freeBytes) / 1024;
    QString text =
        u' ' + kProgramName + QStringLiteral(" - Volná paměť: ") + formatNumber(freeKb) + QStringLiteral("kB (");
    guarded([&] {
        const Real share = roundHalfEven(divide(freeKb * 100, Real(totalBytes) / 1024));
        text += formatNumber(share) + QStringLiteral("%)");
    });
    return text;
}

} // namespace noktaris

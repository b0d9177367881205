#include "photo/guiding.h"

namespace noktaris::guiding {

Real standardTolerance(const Real& s, const Real& P, const Real& F)
{
    return divide(roundHalfEven(divide(checked(350 * P), checked(F * s))), 10000);
}

Real tolerance(const Real& s, const Real& P, const Real& F, const Real& d)
{
    return divide(roundHalfEven(divide(checked(10000 * d * P), checked(F * s))), 10000);
}

Verdict verdictFor(const Real& T) { return T > 1 ? Verdict::Comfortable : Verdict::Demanding; }

QString verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Comfortable:
        return QStringLiteral("                             Vše OK                              ");
    case Verdict::Demanding: return QStringLiteral("Nárok na přesnost jako v primárním ohnisku dal.!");
    case Verdict::Pending: break;
    }
    return QStringLiteral("                            Potvrzení                            ");
}

std::array<int, 3> verdictColour(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Comfortable: return {0, 255, 0};
    case Verdict::Demanding: return {255, 0, 0};
    case Verdict::Pending: break;
    }
    return {128, 128, 0};
}

const std::array<Precision, 7>& precisions()
{
    static const std::array<Precision, 7> items{{
        {QStringLiteral("Odpovídající 4mm okuláru (vysoká)"), 4},
        {QStringLiteral("Odpovídající 6mm okuláru"), 6},
        {QStringLiteral("Odpovídající 8mm okuláru"), 8},
        {QStringLiteral("Odpovídající 10mm okuláru"), 10},
        {QStringLiteral("Odpovídající 12mm okuláru (obvyklá)"), 12},
        {QStringLiteral("Odpovídající 15mm okuláru"), 15},
        {QStringLiteral("Odpovídající 20mm okuláru (nízká)"), 20},
    }};
    return items;
}

Real minimumMagnification(std::int64_t fp, const Real& e) { return roundHalfEven(divide(Real(fp), e)); }

Real maximumError(const Real& fp, const Real& m) { return divide(roundHalfEven(divide(825000, checked(m * fp))), 100); }

} // namespace noktaris::guiding

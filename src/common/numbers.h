// Number conventions shared by every window: decimal-comma text to number, the
// general number form of printed results, rounding, truncation, angle text and the
// calculation failure that silently ends a guarded block. Numbers are exact
// (common/real.h); every rounding and truncation here is exact too.
#pragma once

#include "common/real.h"

#include <QString>

#include <cstdint>
#include <utility>

namespace noktaris {

// Text to number with the decimal comma: [spaces][+|-]digits[,digits][E[+|-]digits][spaces].
// The value is the decimal exactly. Throws CalcFailure(UnreadableField) for
// anything else, and beyond the number range; below its smallest numbers the
// value is that of the extended binary number nearest it (often 0).
Real toNumber(const QString& text);
// Optional sign and decimal digits, nothing else (64-bit range).
std::int64_t toWholeNumber(const QString& text);
// Non-throwing checks, for code that only needs to know.
bool isNumber(const QString& text);
// A number as the decimal key filter admits it, digits and commas only (a lone
// comma reads as 0): what a pasted text must be to be stored as a value.
bool isTypedDecimal(const QString& text);

// General number form: 15 significant digits (rounded half to even), decimal
// comma, no trailing zeros, scientific form (1,5E-6) below 0,0001 or beyond 15
// integer digits.
QString formatNumber(const Real& value);

// The value itself, or an overflow when it is beyond the number range.
Real checked(const Real& value);
Real divide(const Real& a, const Real& b);
// The functions beyond + - × ÷ are computed in extended binary precision, except
// where their result is a rational number found exactly: the logarithm of a power
// of ten, the root of a square of fractions, a whole power.
Real log10Checked(const Real& x);
Real lnChecked(const Real& x);
Real sqrtChecked(const Real& x);
Real powChecked(const Real& base, const Real& exponent);
Real atanChecked(const Real& x);
// The cosine of an angle given in degrees.
Real cosDegrees(const Real& degrees);
// π as the extended binary number nearest it.
const Real& pi();

// Nearest whole number, exact halves to the even neighbour; 64-bit range or failure.
Real roundHalfEven(const Real& x);
// Toward zero; 64-bit range or failure.
Real truncate(const Real& x);
// Multiply by 10^n, round, divide by 10^n.
Real roundTo(const Real& x, int decimals);
// Rounded to that many significant digits, exact halves to even (0 stays 0).
Real roundToSignificant(const Real& x, int digits);

// Degrees, minutes and seconds: "10° 59' 60''". Seconds are never carried.
QString angleText(const Real& degrees);

// Runs one guarded block of a recomputation: a calculation failure ends it
// silently. Returns whether the block ran to its end.
template <class F>
bool guarded(F&& block)
{
    try {
        std::forward<F>(block)();
        return true;
    } catch (const CalcFailure&) {
        return false;
    }
}

} // namespace noktaris

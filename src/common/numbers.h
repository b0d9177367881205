// Number conventions shared by every window: decimal-comma text to number, the
// general number form of printed results, rounding, truncation, angle text and the
// calculation failure that silently ends a guarded block.
#pragma once

#include <QString>

#include <cstdint>
#include <exception>
#include <utility>

namespace noktaris {

// One real type for every calculation: extended precision, as the formulas assume.
using Real = long double;

class CalcFailure : public std::exception {
public:
    enum class Kind { UnreadableField, DivisionByZero, InvalidOperation, Overflow };
    explicit CalcFailure(Kind kind) : kind_(kind) {}
    Kind kind() const { return kind_; }
    const char* what() const noexcept override;

private:
    Kind kind_;
};

// Text to number with the decimal comma: [spaces][+|-]digits[,digits][E[+|-]digits][spaces].
// Throws CalcFailure(UnreadableField) for anything else, and beyond the range.
Real toNumber(const QString& text);
// Optional sign and decimal digits, nothing else (64-bit range).
std::int64_t toWholeNumber(const QString& text);
// Non-throwing checks, for code that only needs to know.
bool isNumber(const QString& text);
// A number as the decimal key filter admits it, digits and commas only (a lone
// comma reads as 0): what a pasted text must be to be stored as a value.
bool isTypedDecimal(const QString& text);

// General number form: 15 significant digits, decimal comma, no trailing zeros,
// scientific form (1,5E-6) below 0,0001 or beyond 15 integer digits.
QString formatNumber(Real value);

// The value itself, or a failure when it is not a finite number.
Real checked(Real value);
Real divide(Real a, Real b);
Real log10Checked(Real x);
Real lnChecked(Real x);
Real sqrtChecked(Real x);
Real powChecked(Real base, Real exponent);

// Nearest whole number, exact halves to the even neighbour; 64-bit range or failure.
Real roundHalfEven(Real x);
// Toward zero; 64-bit range or failure.
Real truncate(Real x);
// Multiply by 10^n, round, divide by 10^n.
Real roundTo(Real x, int decimals);

// Degrees, minutes and seconds: "10° 59' 60''". Seconds are never carried.
QString angleText(Real degrees);

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

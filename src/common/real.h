// The one number type of every calculation: an exact rational number.
//
// Every value typed into a field is a decimal, and every formula of the program
// is + - × ÷ on such values, with a logarithm, root, power or angle function here
// and there. Kept as exact fractions, the decimals and everything computed from
// them by the four operations are exactly what the formula says, so a rounding,
// a truncation or a comparison decides as it would on paper: 52 × 25 / 1000 is
// 1,3 and not a hair below it, 1000 / 16 is exactly the half 62,5. The other
// functions are computed in extended binary precision (common/numbers.h) and
// their results are kept as the exact value of that binary number.
//
// Failures are those of the calculations: a division by zero, and a magnitude
// beyond the extended binary range (at least 2^16384), which is an overflow like
// it would be in binary arithmetic. The range also keeps every value small.
#pragma once

#include <gmp.h>

#include <compare>
#include <cstdint>
#include <exception>

namespace noktaris {

// A calculation failure: it ends a guarded block silently (common/numbers.h).
class CalcFailure : public std::exception {
public:
    enum class Kind { UnreadableField, DivisionByZero, InvalidOperation, Overflow };
    explicit CalcFailure(Kind kind) : kind_(kind) {}
    Kind kind() const { return kind_; }
    const char* what() const noexcept override;

private:
    Kind kind_;
};

// A decimal constant as it stands in the source: 2.44_dec is 244 × 10^-2, exactly.
// A binary literal (2.44) cannot become a Real; write the constant this way.
struct Decimal {
    std::int64_t coefficient = 0;
    int exponent = 0;
    constexpr Decimal operator-() const { return {-coefficient, exponent}; }
};

consteval Decimal operator""_dec(const char* text)
{
    Decimal d;
    bool fraction = false;
    bool digits = false;
    int i = 0;
    for (; text[i] != '\0' && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '\'')
            continue;
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (c < '0' || c > '9')
            throw "a decimal constant holds digits and one full stop";
        if (d.coefficient > (INT64_MAX - (c - '0')) / 10)
            throw "a decimal constant holds at most 18 digits";
        d.coefficient = d.coefficient * 10 + (c - '0');
        digits = true;
        if (fraction)
            --d.exponent;
    }
    if (!digits)
        throw "a decimal constant needs a digit";
    if (text[i] != '\0') {
        ++i;
        const bool negative = text[i] == '-';
        if (text[i] == '-' || text[i] == '+')
            ++i;
        int e = 0;
        for (; text[i] != '\0'; ++i) {
            if (text[i] < '0' || text[i] > '9' || e > 100000)
                throw "a decimal constant's exponent holds digits";
            e = e * 10 + (text[i] - '0');
        }
        d.exponent += negative ? -e : e;
    }
    return d;
}

class Real {
public:
    Real() = default;
    Real(int v) : num_(v) {}
    Real(long v) : num_(v) {}
    Real(long long v) : num_(v) {}
    Real(unsigned v) : num_(v) {}
    Real(unsigned long v);
    Real(unsigned long long v) : Real(static_cast<unsigned long>(v)) {}
    Real(Decimal d);
    // A binary number is not a decimal: say which value is meant (fromBinary).
    Real(float) = delete;
    Real(double) = delete;
    Real(long double) = delete;

    // The exact value of a binary number (a result of a function computed in
    // binary, a measurement of the system); infinity is an overflow, NaN an
    // invalid operation.
    static Real fromBinary(long double x);
    // The whole number written in decimal digits ("125").
    static Real fromDigits(const char* digits);
    // coefficient × 10^exponent.
    static Real scaled(const Real& coefficient, long exponent);
    // A copy of a GMP fraction in canonical form; an overflow beyond the range.
    static Real fromFraction(mpq_srcptr q);

    Real(const Real& other);
    Real(Real&& other) noexcept : num_(other.num_), den_(other.den_), big_(other.big_) { other.big_ = nullptr; }
    Real& operator=(const Real& other);
    Real& operator=(Real&& other) noexcept;
    ~Real();

    // The nearest extended binary number, halves to even; beyond its range an
    // infinity, below it zero.
    long double toBinary() const;
    // A whole value as a 64-bit number: the part before the decimal separator;
    // outside the 64-bit range it is an invalid operation.
    std::int64_t toInt64() const;

    int sign() const;
    bool isWhole() const;
    // The value as num / den of two 64-bit numbers (den > 0), when it is one.
    bool smallFraction(std::int64_t& num, std::int64_t& den) const;
    // The nearest whole number, of two the even one; the whole part, toward zero.
    Real nearestWhole() const;
    Real wholePart() const;

    friend Real operator+(const Real& a, const Real& b);
    friend Real operator-(const Real& a, const Real& b);
    friend Real operator*(const Real& a, const Real& b);
    // A division by zero is a calculation failure.
    friend Real operator/(const Real& a, const Real& b);
    Real operator-() const;
    Real& operator+=(const Real& b) { return *this = *this + b; }
    Real& operator-=(const Real& b) { return *this = *this - b; }
    Real& operator*=(const Real& b) { return *this = *this * b; }
    Real& operator/=(const Real& b) { return *this = *this / b; }

    friend bool operator==(const Real& a, const Real& b);
    friend std::strong_ordering operator<=>(const Real& a, const Real& b);

    // Fails with an overflow when the value is beyond the range.
    void checkRange() const;

    // The value as a GMP fraction, for the number conventions' own exact steps;
    // valid while the Real lives and is not changed.
    class Fraction {
    public:
        explicit Fraction(const Real& r);
        Fraction(const Fraction&) = delete;
        Fraction& operator=(const Fraction&) = delete;
        ~Fraction();
        mpq_srcptr get() const { return q_; }
        mpz_srcptr num() const { return mpq_numref(q_); }
        mpz_srcptr den() const { return mpq_denref(q_); }

    private:
        mpq_t own_;
        mpq_srcptr q_;
    };

private:
    friend struct RealOps;
    // Most values are fractions of two 64-bit whole numbers (den_ > 0, lowest
    // terms); the others are held by GMP in big_.
    std::int64_t num_ = 0;
    std::int64_t den_ = 1;
    __mpq_struct* big_ = nullptr;
};

Real abs(const Real& x);

} // namespace noktaris

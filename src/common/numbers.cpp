#include "common/numbers.h"

#include "common/whole_number.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <numbers>
#include <string>

namespace noktaris {

namespace {

[[noreturn]] void fail(CalcFailure::Kind kind) { throw CalcFailure(kind); }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A decimal-comma number taken apart: the digits without the comma, where the
// comma stood and the exponent.
struct DecimalText {
    bool negative = false;
    std::string digits; // integer then fraction digits
    long fractionDigits = 0;
    long exponent = 0; // held at +-10^9 when longer
    std::string cForm; // the same in the C form ("-12.5e3")
};

// Checks the shape of a decimal-comma number; false when the text is not one.
bool parse(const QString& text, DecimalText& out)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        out.negative = text[i] == u'-';
        out.cForm += char(text[i++].unicode());
    }
    bool mantissa = false; // a digit or the comma seen
    out.cForm += '0';
    while (i < n && isDigit(text[i])) {
        out.digits += char(text[i].unicode());
        out.cForm += char(text[i++].unicode());
        mantissa = true;
    }
    out.cForm += '.';
    if (i < n && text[i] == u',') {
        ++i;
        mantissa = true;
        while (i < n && isDigit(text[i])) {
            out.digits += char(text[i].unicode());
            out.cForm += char(text[i++].unicode());
            ++out.fractionDigits;
        }
    }
    out.cForm += '0';
    if (!mantissa)
        return false;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        out.cForm += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            out.cForm += char(text[i++].unicode());
        }
        bool expDigits = false;
        while (i < n && isDigit(text[i])) {
            out.exponent = std::min<long>(out.exponent * 10 + (text[i].unicode() - u'0'), 1000000000);
            out.cForm += char(text[i++].unicode());
            expDigits = true;
        }
        if (!expDigits)
            return false;
        if (negativeExponent)
            out.exponent = -out.exponent;
    }
    while (i < n && text[i] == u' ')
        ++i;
    return i == n;
}

locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

// The range of 64-bit whole numbers that rounding and truncation may give.
const Real& wholeLimit()
{
    static const Real limit = Real(1UL << 63);
    return limit;
}

void checkWholeRange(const Real& x)
{
    if (x >= wholeLimit() || x < -wholeLimit())
        fail(CalcFailure::Kind::InvalidOperation);
}

// |x| rounded to a whole number, halves to even.
void roundMagnitude(mpz_ptr out, mpz_srcptr num, mpz_srcptr den)
{
    Whole rest, twice;
    mpz_fdiv_qr(out, rest, num, den);
    mpz_mul_2exp(twice, rest, 1);
    const int half = mpz_cmp(twice, den);
    if (half > 0 || (half == 0 && mpz_odd_p(out)))
        mpz_add_ui(out, out, 1);
}

// Whether |v| >= 10^e.
bool atLeastPowerOfTen(mpq_srcptr v, long e)
{
    Whole num, den, power;
    mpz_abs(num, mpq_numref(v));
    mpz_set(den, mpq_denref(v));
    mpz_ui_pow_ui(power, 10, static_cast<unsigned long>(e < 0 ? -e : e));
    mpz_mul(e < 0 ? num : den, e < 0 ? num : den, power);
    return mpz_cmp(num, den) >= 0;
}

// The exponent of the leading decimal digit of a value that is not zero.
long decimalExponent(mpq_srcptr v)
{
    const long bits = long(mpz_sizeinbase(mpq_numref(v), 2)) - long(mpz_sizeinbase(mpq_denref(v), 2));
    long e = long(std::floor(double(bits) * 0.30102999566398120));
    while (atLeastPowerOfTen(v, e + 1))
        ++e;
    while (!atLeastPowerOfTen(v, e))
        --e;
    return e;
}

// The whole square root of a whole number that is a square, or false.
bool exactRoot(mpz_ptr root, mpz_srcptr z)
{
    if (!mpz_perfect_square_p(z))
        return false;
    mpz_sqrt(root, z);
    return true;
}

// k when the whole number z is 10^k.
bool isPowerOfTen(mpz_srcptr z, unsigned long& k)
{
    const std::size_t digits = mpz_sizeinbase(z, 10); // exact or one more
    for (const std::size_t d : {digits, digits - 1}) {
        if (d == 0)
            continue;
        Whole power;
        mpz_ui_pow_ui(power, 10, d - 1);
        if (mpz_cmp(power, z) == 0) {
            k = d - 1;
            return true;
        }
    }
    return false;
}

// A whole power computed exactly while its digits stay few.
constexpr unsigned long kExactPowerBits = 1UL << 16;

} // namespace

Real toNumber(const QString& text)
{
    DecimalText d;
    if (!parse(text, d))
        fail(CalcFailure::Kind::UnreadableField);
    const std::size_t first = d.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Real();
    const std::string digits = d.digits.substr(first);
    const long scale = d.exponent - d.fractionDigits;
    const long leading = scale + long(digits.size()) - 1;
    // The extended binary range reaches about 1,19E4932; its smallest subnormal
    // number is about 3,6E-4951, and below some 1E-4940 the value is that of the
    // binary number nearest it, as the number range has nothing finer.
    if (leading > LDBL_MAX_10_EXP + 1)
        fail(CalcFailure::Kind::UnreadableField);
    if (leading < LDBL_MIN_10_EXP - 2 * LDBL_DIG) {
        errno = 0;
        return Real::fromBinary(strtold_l(d.cForm.c_str(), nullptr, cLocale()));
    }
    try {
        const Real magnitude = Real::scaled(Real::fromDigits(digits.c_str()), scale);
        return d.negative ? -magnitude : magnitude;
    } catch (const CalcFailure&) {
        fail(CalcFailure::Kind::UnreadableField);
    }
}

bool isNumber(const QString& text)
{
    return guarded([&] { toNumber(text); });
}

bool isTypedDecimal(const QString& text)
{
    const bool typed =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return (c >= u'0' && c <= u'9') || c == u','; });
    return typed && isNumber(text);
}

std::int64_t toWholeNumber(const QString& text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    if (i == n)
        fail(CalcFailure::Kind::UnreadableField);
    unsigned long long magnitude = 0;
    for (; i < n; ++i) {
        if (!isDigit(text[i]))
            fail(CalcFailure::Kind::UnreadableField);
        const unsigned digit = text[i].unicode() - u'0';
        if (magnitude > (9223372036854775808ULL - digit) / 10)
            fail(CalcFailure::Kind::UnreadableField);
        magnitude = magnitude * 10 + digit;
    }
    if (!negative && magnitude > 9223372036854775807ULL)
        fail(CalcFailure::Kind::UnreadableField);
    return negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
}

namespace {

// The first 15 significant digits of |v| rounded half to even, and the exponent
// of the first: |v| = 0,1234 gives "123400000000000" and -1.
struct Significant {
    std::string digits;
    long exponent = 0;
};

// By long division while v is a fraction of two 64-bit numbers.
bool smallSignificant(const Real& v, Significant& out)
{
    std::int64_t num = 0, den = 1;
    if (!v.smallFraction(num, den))
        return false;
    __extension__ typedef unsigned __int128 UWide;
    const unsigned long long d = static_cast<unsigned long long>(den);
    const unsigned long long n =
        num < 0 ? 0 - static_cast<unsigned long long>(num) : static_cast<unsigned long long>(num);
    std::string digits = std::to_string(n / d);
    long exponent = long(digits.size()) - 1;
    if (digits == "0") {
        digits.clear();
        exponent = 0;
    }
    UWide rest = n % d;
    // Digits beyond the 16th of the whole part decide only with the rest.
    bool sticky = false;
    if (digits.size() > 16) {
        sticky = digits.find_first_not_of('0', 16) != std::string::npos;
        digits.resize(16);
    }
    while (digits.size() < 16 && rest != 0) {
        rest *= 10;
        const char digit = char('0' + int(rest / d));
        rest %= d;
        if (digits.empty() && digit == '0') {
            --exponent;
            continue;
        }
        if (digits.empty())
            --exponent;
        digits += digit;
    }
    sticky = sticky || rest != 0;
    digits.resize(16, '0');
    const char guard = digits[15];
    digits.resize(15);
    if (guard > '5' || (guard == '5' && (sticky || (digits[14] - '0') % 2 != 0))) {
        int i = 14;
        while (i >= 0 && digits[std::size_t(i)] == '9')
            digits[std::size_t(i--)] = '0';
        if (i < 0) {
            digits.insert(digits.begin(), '1');
            digits.resize(15);
            ++exponent;
        } else {
            ++digits[std::size_t(i)];
        }
    }
    out = {digits, exponent};
    return true;
}

Significant bigSignificant(const Real& value)
{
    long exponent = decimalExponent(Real::Fraction(value).get());
    // |v| × 10^(14 - exponent), rounded.
    const Real scaled = Real::scaled(abs(value), 14 - exponent);
    const Real::Fraction f(scaled);
    Whole significand;
    roundMagnitude(significand, f.num(), f.den());
    std::string digits(mpz_sizeinbase(significand, 10) + 1, '\0');
    mpz_get_str(digits.data(), 10, significand);
    digits.resize(digits.find('\0'));
    if (digits.size() > 15) { // 9,99...95 rounded up to 10
        ++exponent;
        digits.resize(15);
    }
    return {digits, exponent};
}

} // namespace

QString formatNumber(const Real& value)
{
    if (value.sign() == 0)
        return QStringLiteral("0");
    Significant s;
    if (!smallSignificant(value, s))
        s = bigSignificant(value);
    std::string& digits = s.digits;
    const long exponent = s.exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value.sign() < 0 ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1)
            out += ',' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0," + std::string(std::size_t(-exponent - 1), '0') + digits;
    } else {
        const std::size_t intDigits = std::size_t(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + ',' + digits.substr(intDigits);
        }
    }
    return QString::fromLatin1(out.c_str());
}

Real checked(const Real& value)
{
    value.checkRange();
    return value;
}

Real divide(const Real& a, const Real& b) { return a / b; }

Real log10Checked(const Real& x)
{
    if (x.sign() == 0)
        fail(CalcFailure::Kind::DivisionByZero);
    if (x.sign() < 0)
        fail(CalcFailure::Kind::InvalidOperation);
    const Real::Fraction f(x);
    unsigned long k = 0;
    if (mpz_cmp_ui(f.den(), 1) == 0 && isPowerOfTen(f.num(), k))
        return Real(k);
    if (mpz_cmp_ui(f.num(), 1) == 0 && isPowerOfTen(f.den(), k))
        return -Real(k);
    return Real::fromBinary(std::log10(x.toBinary()));
}

Real lnChecked(const Real& x)
{
    if (x.sign() == 0)
        fail(CalcFailure::Kind::DivisionByZero);
    if (x.sign() < 0)
        fail(CalcFailure::Kind::InvalidOperation);
    if (x == 1)
        return Real();
    return Real::fromBinary(std::log(x.toBinary()));
}

Real sqrtChecked(const Real& x)
{
    if (x.sign() < 0)
        fail(CalcFailure::Kind::InvalidOperation);
    const Real::Fraction f(x);
    mpq_t root;
    mpq_init(root);
    if (exactRoot(mpq_numref(root), f.num()) && exactRoot(mpq_denref(root), f.den())) {
        Real r = Real::fromFraction(root);
        mpq_clear(root);
        return r;
    }
    mpq_clear(root);
    return Real::fromBinary(std::sqrt(x.toBinary()));
}

Real powChecked(const Real& base, const Real& exponent)
{
    if (base.sign() == 0) {
        if (exponent.sign() < 0)
            fail(CalcFailure::Kind::DivisionByZero);
        return exponent.sign() == 0 ? Real(1) : Real();
    }
    const Real::Fraction e(exponent);
    if (exponent.isWhole() && mpz_fits_slong_p(e.num())) {
        const long k = mpz_get_si(e.num());
        const unsigned long n = static_cast<unsigned long>(k < 0 ? -k : k);
        const Real::Fraction b(base);
        const unsigned long numBits = mpz_sizeinbase(b.num(), 2);
        const unsigned long denBits = mpz_sizeinbase(b.den(), 2);
        if (n <= kExactPowerBits && n * std::max(numBits, denBits) <= kExactPowerBits) {
            mpq_t power;
            mpq_init(power);
            mpz_pow_ui(mpq_numref(power), b.num(), n);
            mpz_pow_ui(mpq_denref(power), b.den(), n);
            if (k < 0)
                mpq_inv(power, power);
            try {
                Real r = Real::fromFraction(power);
                mpq_clear(power);
                return r;
            } catch (const CalcFailure&) {
                mpq_clear(power);
                throw;
            }
        }
    }
    return Real::fromBinary(std::pow(base.toBinary(), exponent.toBinary()));
}

Real atanChecked(const Real& x) { return Real::fromBinary(std::atan(x.toBinary())); }

Real cosDegrees(const Real& degrees)
{
    return Real::fromBinary(std::cos(degrees.toBinary() * std::numbers::pi_v<long double> / 180));
}

const Real& pi()
{
    static const Real value = Real::fromBinary(std::numbers::pi_v<long double>);
    return value;
}

Real roundHalfEven(const Real& x)
{
    checkWholeRange(x);
    return x.nearestWhole();
}

Real truncate(const Real& x)
{
    checkWholeRange(x);
    return x.wholePart();
}

Real roundTo(const Real& x, int decimals) { return Real::scaled(roundHalfEven(Real::scaled(x, decimals)), -decimals); }

Real roundToSignificant(const Real& x, int digits)
{
    if (x.sign() == 0)
        return x;
    const Real a = abs(x);
    // The decade from the binary logarithm, then made exact: 10^e <= a < 10^(e+1).
    long e = std::lround(std::floor(std::log10(a.toBinary())));
    while (Real::scaled(1, e) > a)
        --e;
    while (Real::scaled(1, e + 1) <= a)
        ++e;
    return roundTo(x, int(digits - 1 - e));
}

QString angleText(const Real& degrees)
{
    const Real d = truncate(degrees);
    const Real r = degrees - d;
    const Real m = truncate(r * 60);
    const Real s = roundHalfEven((r * 60 - m) * 60);
    return formatNumber(d) + QStringLiteral("° ") + formatNumber(m) + QStringLiteral("' ") + formatNumber(s)
        + QStringLiteral("''");
}

} // namespace noktaris

#include "common/numbers.h"

#include <algorithm>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace noktaris {

const char* CalcFailure::what() const noexcept
{
    switch (kind_) {
    case Kind::UnreadableField: return "unreadable field";
    case Kind::DivisionByZero: return "division by zero";
    case Kind::InvalidOperation: return "invalid operation";
    case Kind::Overflow: return "overflow";
    }
    return "calculation failure";
}

namespace {

[[noreturn]] void fail(CalcFailure::Kind kind) { throw CalcFailure(kind); }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Checks the shape of a decimal-comma number and returns it in the C form
// ("-12.5e3"), or an empty string when the text is not a number.
std::string cForm(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    std::string out;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        out += char(text[i++].unicode());
    bool mantissa = false; // a digit or the comma seen
    while (i < n && isDigit(text[i])) {
        out += char(text[i++].unicode());
        mantissa = true;
    }
    if (i < n && text[i] == u',') {
        out += '.';
        ++i;
        mantissa = true;
        while (i < n && isDigit(text[i]))
            out += char(text[i++].unicode());
    }
    if (!mantissa)
        return {};
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            out += char(text[i++].unicode());
        bool expDigits = false;
        while (i < n && isDigit(text[i])) {
            out += char(text[i++].unicode());
            expDigits = true;
        }
        if (!expDigits)
            return {};
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return {};
    // "," and "-," are numbers (0): give strtold a digit to read.
    if (out == "." || out == "+." || out == "-.")
        out += '0';
    else if (out.size() >= 2 && out.find(".e") != std::string::npos)
        out.insert(out.find(".e") + 1, 1, '0');
    if (!out.empty() && (out[0] == '.' || ((out[0] == '-' || out[0] == '+') && out[1] == '.')))
        out.insert(out[0] == '.' ? 0 : 1, 1, '0');
    return out;
}

locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return loc;
}

constexpr Real kWholeLimit = 9223372036854775808.0L; // 2^63

} // namespace

Real toNumber(const QString& text)
{
    const std::string c = cForm(text);
    if (c.empty())
        fail(CalcFailure::Kind::UnreadableField);
    errno = 0;
    const Real v = strtold_l(c.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(v))
        fail(CalcFailure::Kind::UnreadableField);
    return v;
}

bool isNumber(const QString& text)
{
    return guarded([&] { toNumber(text); });
}

bool isTypedDecimal(const QString& text)
{
    const bool typed = std::all_of(text.cbegin(), text.cend(),
                                   [](QChar c) { return (c >= u'0' && c <= u'9') || c == u','; });
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

QString formatNumber(Real value)
{
    if (!std::isfinite(value))
        fail(std::isnan(value) ? CalcFailure::Kind::InvalidOperation : CalcFailure::Kind::Overflow);
    if (value == 0)
        return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", value);
    // buf: [-]d.dddddddddddddde[+-]xx; the decimal point may be locale-dependent,
    // so read the digits and the exponent by position only.
    std::string digits;
    const char* p = buf;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
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

Real checked(Real value)
{
    if (std::isnan(value))
        fail(CalcFailure::Kind::InvalidOperation);
    if (std::isinf(value))
        fail(CalcFailure::Kind::Overflow);
    return value;
}

Real divide(Real a, Real b)
{
    if (b == 0)
        fail(CalcFailure::Kind::DivisionByZero);
    return checked(a / b);
}

Real log10Checked(Real x)
{
    if (x == 0)
        fail(CalcFailure::Kind::DivisionByZero);
    if (x < 0 || std::isnan(x))
        fail(CalcFailure::Kind::InvalidOperation);
    return checked(std::log10(x));
}

Real lnChecked(Real x)
{
    if (x == 0)
        fail(CalcFailure::Kind::DivisionByZero);
    if (x < 0 || std::isnan(x))
        fail(CalcFailure::Kind::InvalidOperation);
    return checked(std::log(x));
}

Real sqrtChecked(Real x)
{
    if (x < 0 || std::isnan(x))
        fail(CalcFailure::Kind::InvalidOperation);
    return checked(std::sqrt(x));
}

Real powChecked(Real base, Real exponent)
{
    if (base == 0 && exponent < 0)
        fail(CalcFailure::Kind::DivisionByZero);
    return checked(std::pow(checked(base), checked(exponent)));
}

Real roundHalfEven(Real x)
{
    checked(x);
    if (x >= kWholeLimit || x < -kWholeLimit)
        fail(CalcFailure::Kind::InvalidOperation);
    // The default rounding mode of the floating-point unit is to nearest, ties to even.
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const Real r = std::nearbyint(x);
    if (mode != FE_TONEAREST)
        std::fesetround(mode);
    return r + 0.0L; // no negative zero
}

Real truncate(Real x)
{
    checked(x);
    if (x >= kWholeLimit || x < -kWholeLimit)
        fail(CalcFailure::Kind::InvalidOperation);
    return std::trunc(x) + 0.0L;
}

Real roundTo(Real x, int decimals)
{
    Real factor = 1;
    for (int i = 0; i < decimals; ++i)
        factor *= 10;
    return divide(roundHalfEven(checked(x * factor)), factor);
}

QString angleText(Real degrees)
{
    const Real d = truncate(degrees);
    const Real r = degrees - d;
    const Real m = truncate(r * 60);
    const Real s = roundHalfEven((r * 60 - m) * 60);
    return formatNumber(d) + QStringLiteral("° ") + formatNumber(m) + QStringLiteral("' ")
        + formatNumber(s) + QStringLiteral("''");
}

} // namespace noktaris

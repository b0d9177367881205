#include "common/real.h"

#include "common/whole_number.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <numeric>

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

__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 UWide;

[[noreturn]] void fail(CalcFailure::Kind kind) { throw CalcFailure(kind); }

// Values of 2^16384 and more are beyond the extended binary range.
constexpr long kRangeBits = LDBL_MAX_EXP;

int trailingZeros(UWide x)
{
    const auto low = static_cast<unsigned long long>(x);
    return low != 0 ? __builtin_ctzll(low) : 64 + __builtin_ctzll(static_cast<unsigned long long>(x >> 64));
}

UWide gcd(UWide a, UWide b)
{
    if ((a >> 64) == 0 && (b >> 64) == 0)
        return std::gcd(static_cast<unsigned long long>(a), static_cast<unsigned long long>(b));
    if (a == 0 || b == 0)
        return a | b;
    const int shift = trailingZeros(a | b);
    a >>= trailingZeros(a);
    do {
        b >>= trailingZeros(b);
        if (a > b)
            std::swap(a, b);
        b -= a;
    } while (b != 0);
    return a << shift;
}

void setWide(mpz_ptr z, Wide v)
{
    const UWide magnitude = v < 0 ? UWide(0) - UWide(v) : UWide(v);
    const unsigned long long words[2] = {static_cast<unsigned long long>(magnitude),
                                         static_cast<unsigned long long>(magnitude >> 64)};
    mpz_import(z, 2, -1, sizeof words[0], 0, 0, words);
    if (v < 0)
        mpz_neg(z, z);
}

// Whether |num / den| >= 2^bits.
bool atLeastPowerOfTwo(mpz_srcptr num, mpz_srcptr den, long bits)
{
    const long a = long(mpz_sizeinbase(num, 2));
    const long b = long(mpz_sizeinbase(den, 2));
    // |num| lies in [2^(a-1), 2^a), |den| in [2^(b-1), 2^b).
    if (a - b > bits)
        return true;
    if (a - b < bits)
        return false;
    Whole scaledDen;
    mpz_mul_2exp(scaledDen, den, static_cast<mp_bitcnt_t>(bits));
    return mpz_cmpabs(num, scaledDen) >= 0;
}

// floor(log2 |v|) of a value that is not zero.
long binaryExponent(mpz_srcptr vNum, mpz_srcptr vDen)
{
    const long a = long(mpz_sizeinbase(vNum, 2));
    const long b = long(mpz_sizeinbase(vDen, 2));
    // |v| lies in (2^(a-b-1), 2^(a-b+1)).
    Whole num, den;
    mpz_abs(num, vNum);
    mpz_set(den, vDen);
    if (a >= b)
        mpz_mul_2exp(den, den, static_cast<mp_bitcnt_t>(a - b));
    else
        mpz_mul_2exp(num, num, static_cast<mp_bitcnt_t>(b - a));
    return mpz_cmp(num, den) >= 0 ? a - b : a - b - 1;
}

// A whole number of at most LDBL_MANT_DIG bits as a long double, exactly.
long double wholeToBinary(mpz_srcptr z)
{
    long double value = 0;
    for (std::size_t i = mpz_size(z); i-- > 0;)
        value = std::ldexp(value, GMP_NUMB_BITS) + static_cast<long double>(mpz_getlimbn(z, static_cast<mp_size_t>(i)));
    return value;
}

} // namespace

// The two ways of computing: in 128-bit whole numbers while both operands are
// small, else with GMP.
struct RealOps {
    static Real fromWide(Wide num, Wide den)
    {
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const UWide g = gcd(num < 0 ? UWide(0) - UWide(num) : UWide(num), UWide(den));
        if (g > 1) {
            num /= Wide(g);
            den /= Wide(g);
        }
        Real r;
        if (num >= INT64_MIN && num <= INT64_MAX && den <= INT64_MAX) {
            r.num_ = static_cast<std::int64_t>(num);
            r.den_ = static_cast<std::int64_t>(den);
            return r;
        }
        r.big_ = new __mpq_struct;
        mpq_init(r.big_);
        setWide(mpq_numref(r.big_), num);
        setWide(mpq_denref(r.big_), den);
        return r;
    }

    // A GMP result in lowest terms, held small when it fits.
    static Real adopt(__mpq_struct* q)
    {
        Real r;
        if (mpz_fits_slong_p(mpq_numref(q)) && mpz_fits_slong_p(mpq_denref(q))) {
            r.num_ = mpz_get_si(mpq_numref(q));
            r.den_ = mpz_get_si(mpq_denref(q));
            mpq_clear(q);
            delete q;
            return r;
        }
        r.big_ = q;
        r.checkRange();
        return r;
    }

    static Real big(void (*op)(mpq_ptr, mpq_srcptr, mpq_srcptr), const Real& a, const Real& b)
    {
        const Real::Fraction fa(a);
        const Real::Fraction fb(b);
        auto* q = new __mpq_struct;
        mpq_init(q);
        op(q, fa.get(), fb.get());
        return adopt(q);
    }

    static bool small(const Real& a, const Real& b) { return !a.big_ && !b.big_; }
};

Real::Real(unsigned long v)
{
    if (v <= INT64_MAX) {
        num_ = static_cast<std::int64_t>(v);
        return;
    }
    big_ = new __mpq_struct;
    mpq_init(big_);
    mpq_set_ui(big_, v, 1);
}

Real::Real(Decimal d) : Real(scaled(Real(d.coefficient), d.exponent)) {}

Real::Real(const Real& other) : num_(other.num_), den_(other.den_)
{
    if (other.big_) {
        big_ = new __mpq_struct;
        mpq_init(big_);
        mpq_set(big_, other.big_);
    }
}

Real& Real::operator=(const Real& other)
{
    if (this != &other)
        *this = Real(other);
    return *this;
}

Real& Real::operator=(Real&& other) noexcept
{
    std::swap(num_, other.num_);
    std::swap(den_, other.den_);
    std::swap(big_, other.big_);
    return *this;
}

Real::~Real()
{
    if (big_) {
        mpq_clear(big_);
        delete big_;
    }
}

Real::Fraction::Fraction(const Real& r)
{
    if (r.big_) {
        q_ = r.big_;
        return;
    }
    mpq_init(own_);
    mpz_set_si(mpq_numref(own_), r.num_);
    mpz_set_si(mpq_denref(own_), r.den_);
    q_ = own_;
}

Real::Fraction::~Fraction()
{
    if (q_ == own_)
        mpq_clear(own_);
}

Real Real::fromFraction(mpq_srcptr q)
{
    auto* copy = new __mpq_struct;
    mpq_init(copy);
    mpq_set(copy, q);
    return RealOps::adopt(copy);
}

Real Real::fromBinary(long double x)
{
    if (std::isnan(x))
        fail(CalcFailure::Kind::InvalidOperation);
    if (std::isinf(x))
        fail(CalcFailure::Kind::Overflow);
    if (x == 0)
        return Real();
    int exponent = 0;
    // |x| = m × 2^exponent with m in [0.5, 1): m × 2^LDBL_MANT_DIG is whole.
    long double m = std::ldexp(std::frexp(std::fabs(x), &exponent), LDBL_MANT_DIG);
    mpq_t q;
    mpq_init(q);
    // The whole mantissa in 32-bit pieces, highest first.
    for (int shift = ((LDBL_MANT_DIG + 31) / 32 - 1) * 32; shift >= 0; shift -= 32) {
        const long double piece = std::floor(std::ldexp(m, -shift));
        mpz_mul_2exp(mpq_numref(q), mpq_numref(q), 32);
        mpz_add_ui(mpq_numref(q), mpq_numref(q), static_cast<unsigned long>(piece));
        m -= std::ldexp(piece, shift);
    }
    const long e = long(exponent) - LDBL_MANT_DIG;
    if (e >= 0)
        mpq_mul_2exp(q, q, static_cast<mp_bitcnt_t>(e));
    else
        mpq_div_2exp(q, q, static_cast<mp_bitcnt_t>(-e));
    if (x < 0)
        mpq_neg(q, q);
    Real r = fromFraction(q);
    mpq_clear(q);
    return r;
}

Real Real::fromDigits(const char* digits)
{
    mpq_t q;
    mpq_init(q);
    if (mpz_set_str(mpq_numref(q), digits, 10) != 0) {
        mpq_clear(q);
        fail(CalcFailure::Kind::UnreadableField);
    }
    Real r = fromFraction(q);
    mpq_clear(q);
    return r;
}

Real Real::scaled(const Real& coefficient, long exponent)
{
    if (coefficient.sign() == 0 || exponent == 0)
        return coefficient;
    // 10^100000 is far beyond the range whatever the coefficient's digits.
    if (exponent > 100000 || exponent < -100000)
        fail(CalcFailure::Kind::Overflow);
    const unsigned long n = static_cast<unsigned long>(exponent < 0 ? -exponent : exponent);
    if (n <= 18 && !coefficient.big_) {
        Wide power = 1;
        for (unsigned long i = 0; i < n; ++i)
            power *= 10;
        return exponent > 0 ? RealOps::fromWide(Wide(coefficient.num_) * power, coefficient.den_)
                            : RealOps::fromWide(coefficient.num_, Wide(coefficient.den_) * power);
    }
    const Fraction c(coefficient);
    auto* q = new __mpq_struct;
    mpq_init(q);
    mpq_set(q, c.get());
    Whole power;
    mpz_ui_pow_ui(power, 10, n);
    mpz_mul(exponent > 0 ? mpq_numref(q) : mpq_denref(q), exponent > 0 ? mpq_numref(q) : mpq_denref(q), power);
    mpq_canonicalize(q);
    return RealOps::adopt(q);
}

void Real::checkRange() const
{
    if (big_ && mpq_sgn(big_) != 0 && atLeastPowerOfTwo(mpq_numref(big_), mpq_denref(big_), kRangeBits))
        fail(CalcFailure::Kind::Overflow);
}

int Real::sign() const
{
    if (big_)
        return mpq_sgn(big_);
    return (num_ > 0) - (num_ < 0);
}

bool Real::smallFraction(std::int64_t& num, std::int64_t& den) const
{
    num = num_;
    den = den_;
    return !big_;
}

bool Real::isWhole() const { return big_ ? mpz_cmp_ui(mpq_denref(big_), 1) == 0 : den_ == 1; }

long double Real::toBinary() const
{
    const int s = sign();
    if (s == 0)
        return 0;
    const Fraction f(*this);
    const long e2 = binaryExponent(f.num(), f.den());
    if (e2 >= kRangeBits)
        return s * HUGE_VALL;
    // The value's last binary place: LDBL_MANT_DIG places below its first, or the
    // smallest place a subnormal number has.
    const long ulp = std::max<long>(e2 - (LDBL_MANT_DIG - 1), LDBL_MIN_EXP - LDBL_MANT_DIG);
    // m = |v| / 2^ulp, rounded half to even.
    Whole num, den, m, rest;
    mpz_abs(num, f.num());
    mpz_set(den, f.den());
    if (ulp >= 0)
        mpz_mul_2exp(den, den, static_cast<mp_bitcnt_t>(ulp));
    else
        mpz_mul_2exp(num, num, static_cast<mp_bitcnt_t>(-ulp));
    mpz_fdiv_qr(m, rest, num, den);
    mpz_mul_2exp(rest, rest, 1);
    const int half = mpz_cmp(rest, den);
    if (half > 0 || (half == 0 && mpz_odd_p(static_cast<mpz_ptr>(m))))
        mpz_add_ui(m, m, 1);
    const long double magnitude = std::ldexp(wholeToBinary(m), int(ulp));
    return s < 0 ? -magnitude : magnitude;
}

std::int64_t Real::toInt64() const
{
    if (!big_)
        return num_ / den_;
    Whole whole;
    mpz_tdiv_q(whole, mpq_numref(big_), mpq_denref(big_));
    if (!mpz_fits_slong_p(whole))
        fail(CalcFailure::Kind::InvalidOperation);
    return mpz_get_si(whole);
}

Real Real::nearestWhole() const
{
    if (!big_) {
        // Floor division, then the remainder against half the denominator.
        std::int64_t q = num_ / den_;
        std::int64_t r = num_ % den_;
        if (r < 0) {
            --q;
            r += den_;
        }
        const Wide twice = Wide(r) * 2;
        if (twice > den_ || (twice == den_ && q % 2 != 0))
            ++q;
        return Real(q);
    }
    Whole q, rest;
    mpz_fdiv_qr(q, rest, mpq_numref(big_), mpq_denref(big_));
    mpz_mul_2exp(rest, rest, 1);
    const int half = mpz_cmp(rest, mpq_denref(big_));
    if (half > 0 || (half == 0 && mpz_odd_p(static_cast<mpz_ptr>(q))))
        mpz_add_ui(q, q, 1);
    mpq_t whole;
    mpq_init(whole);
    mpq_set_z(whole, q);
    Real r = fromFraction(whole);
    mpq_clear(whole);
    return r;
}

Real Real::wholePart() const
{
    if (!big_)
        return Real(num_ / den_);
    mpq_t whole;
    mpq_init(whole);
    mpz_tdiv_q(mpq_numref(whole), mpq_numref(big_), mpq_denref(big_));
    Real r = fromFraction(whole);
    mpq_clear(whole);
    return r;
}

Real operator+(const Real& a, const Real& b)
{
    if (RealOps::small(a, b))
        return RealOps::fromWide(Wide(a.num_) * b.den_ + Wide(b.num_) * a.den_, Wide(a.den_) * b.den_);
    return RealOps::big(mpq_add, a, b);
}

Real operator-(const Real& a, const Real& b)
{
    if (RealOps::small(a, b))
        return RealOps::fromWide(Wide(a.num_) * b.den_ - Wide(b.num_) * a.den_, Wide(a.den_) * b.den_);
    return RealOps::big(mpq_sub, a, b);
}

Real operator*(const Real& a, const Real& b)
{
    if (RealOps::small(a, b))
        return RealOps::fromWide(Wide(a.num_) * b.num_, Wide(a.den_) * b.den_);
    return RealOps::big(mpq_mul, a, b);
}

Real operator/(const Real& a, const Real& b)
{
    if (b.sign() == 0)
        fail(CalcFailure::Kind::DivisionByZero);
    if (RealOps::small(a, b))
        return RealOps::fromWide(Wide(a.num_) * b.den_, Wide(a.den_) * b.num_);
    return RealOps::big(mpq_div, a, b);
}

Real Real::operator-() const
{
    if (!big_ && num_ != INT64_MIN) {
        Real r;
        r.num_ = -num_;
        r.den_ = den_;
        return r;
    }
    return Real() - *this;
}

bool operator==(const Real& a, const Real& b)
{
    if (RealOps::small(a, b))
        return a.num_ == b.num_ && a.den_ == b.den_;
    const Real::Fraction fa(a);
    const Real::Fraction fb(b);
    return mpq_equal(fa.get(), fb.get()) != 0;
}

std::strong_ordering operator<=>(const Real& a, const Real& b)
{
    if (RealOps::small(a, b))
        return Wide(a.num_) * b.den_ <=> Wide(b.num_) * a.den_;
    const Real::Fraction fa(a);
    const Real::Fraction fb(b);
    return mpq_cmp(fa.get(), fb.get()) <=> 0;
}

Real abs(const Real& x) { return x.sign() < 0 ? -x : x; }

} // namespace noktaris

// Number conventions: the decimal-comma reading of entry fields, the printed form
// of results, the rounding rules, the angle text and the silent calculation failure.
#include "common/numbers.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace noktaris {
namespace {

using Kind = CalcFailure::Kind;

using test::PrintTo;

std::string kindName(std::optional<Kind> kind)
{
    if (!kind)
        return "no failure";
    switch (*kind) {
    case Kind::UnreadableField: return "UnreadableField";
    case Kind::DivisionByZero: return "DivisionByZero";
    case Kind::InvalidOperation: return "InvalidOperation";
    case Kind::Overflow: return "Overflow";
    }
    return "unknown kind";
}

// The kind of calculation failure the step raises, or nullopt when it completes.
std::optional<Kind> failureOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const CalcFailure& failure) {
        return failure.kind();
    }
    return std::nullopt;
}

std::string text(const QString& s) { return s.toStdString(); }

// --- text to number ---

struct NumberRow {
    const char* name;
    const char* text;
    Real value;
};

class ReadsAsNumber : public ::testing::TestWithParam<NumberRow> {};

TEST_P(ReadsAsNumber, GivesTheValue)
{
    const NumberRow& row = GetParam();
    const QString input = QString::fromUtf8(row.text);
    ASSERT_EQ(kindName(failureOf([&] { toNumber(input); })), "no failure") << '"' << row.text << '"';
    EXPECT_EQ(toNumber(input), row.value) << '"' << row.text << '"';
    EXPECT_TRUE(isNumber(input));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ReadsAsNumber,
    ::testing::Values(
        NumberRow{"DecimalComma", "12,5", 12.5_dec}, NumberRow{"TrailingCommaIsWhole", "12,", 12.0_dec},
        NumberRow{"LeadingComma", ",5", 0.5_dec}, NumberRow{"LoneCommaIsZero", ",", 0.0_dec},
        NumberRow{"MinusLoneComma", "-,", 0.0_dec}, NumberRow{"MinusLeadingComma", "-,5", -0.5_dec},
        NumberRow{"ExponentUpper", "1E3", 1000.0_dec}, NumberRow{"ExponentLower", "1e3", 1000.0_dec},
        NumberRow{"ExponentPlus", "2E+2", 200.0_dec}, NumberRow{"ExponentMinus", "1,5E-2", 0.015_dec},
        NumberRow{"CommaBeforeExponent", "12,E2", 1200.0_dec}, NumberRow{"LoneCommaWithExponent", ",E2", 0.0_dec},
        NumberRow{"LeadingCommaWithExponent", ",5e1", 5.0_dec}, NumberRow{"SpacesAround", "  7   ", 7.0_dec},
        NumberRow{"SpacesAroundExponent", " 1E3 ", 1000.0_dec}, NumberRow{"PlusSign", "+3", 3.0_dec},
        NumberRow{"MinusSign", "-3", -3.0_dec}, NumberRow{"SpacesBeforeSign", "  -2,25", -2.25_dec},
        NumberRow{"LeadingZeros", "007", 7.0_dec}, NumberRow{"Zero", "0", 0.0_dec},
        NumberRow{"ManyDecimals", "1,5873", 1.5873_dec}, NumberRow{"BeyondDoubleRange", "1E400", 1e400_dec},
        NumberRow{"UnderflowIsNoFailure", "1E-6000", 0.0_dec}),
    test::RowName());

struct NotNumberRow {
    const char* name;
    const char* text;
};

class IsNotNumber : public ::testing::TestWithParam<NotNumberRow> {};

TEST_P(IsNotNumber, FailsAsUnreadableField)
{
    const NotNumberRow& row = GetParam();
    const QString input = QString::fromUtf8(row.text);
    EXPECT_EQ(kindName(failureOf([&] { toNumber(input); })), "UnreadableField") << '"' << row.text << '"';
    EXPECT_FALSE(isNumber(input));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IsNotNumber,
    ::testing::Values(NotNumberRow{"Empty", ""}, NotNumberRow{"SpacesOnly", "   "}, NotNumberRow{"LoneMinus", "-"},
                      NotNumberRow{"LonePlus", "+"}, NotNumberRow{"TwoCommas", "1,2,3"},
                      NotNumberRow{"FullStop", "12.5"}, NotNumberRow{"SpaceInside", "1 000"},
                      NotNumberRow{"SpaceAfterSign", "- 5"}, NotNumberRow{"ExponentWithoutDigits", "1e"},
                      NotNumberRow{"ExponentSignWithoutDigits", "1E+"}, NotNumberRow{"ExponentWithoutMantissa", "E5"},
                      NotNumberRow{"SignThenExponent", "-E5"}, NotNumberRow{"CommaInExponent", "1E2,5"},
                      NotNumberRow{"TwoSigns", "+-1"}, NotNumberRow{"TrailingSign", "1-"},
                      NotNumberRow{"TrailingLetter", "12,5 x"}, NotNumberRow{"TabIsNotSpace", "\t7"},
                      NotNumberRow{"NonBreakingSpace",
                                   "\xC2\xA0"
                                   "7"},
                      NotNumberRow{"Hexadecimal", "0x10"}, NotNumberRow{"Infinity", "inf"},
                      NotNumberRow{"NotANumber", "nan"}, NotNumberRow{"ArabicIndicDigit", "\xD9\xA3"}),
    test::RowName());

// A text beyond the number range cannot be read, like any other text that is not
// a number; the groups treat it as an unreadable field.
TEST(TextToNumber, BeyondTheNumberRangeIsUnreadable)
{
    EXPECT_EQ(kindName(failureOf([] { toNumber(QStringLiteral("1E6000")); })), "UnreadableField");
    EXPECT_EQ(kindName(failureOf([] { toNumber(QStringLiteral("-1E6000")); })), "UnreadableField");
}

// --- text to whole number ---

TEST(TextToWholeNumber, ReadsSignedDigitsOverTheWhole64BitRange)
{
    const struct {
        const char* text;
        std::int64_t value;
    } rows[] = {
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"0", 0},
        {"0012", 12},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& row : rows) {
        const QString input = QString::fromLatin1(row.text);
        ASSERT_EQ(kindName(failureOf([&] { toWholeNumber(input); })), "no failure") << row.text;
        EXPECT_EQ(toWholeNumber(input), row.value) << row.text;
    }
}

TEST(TextToWholeNumber, AnythingButSignAndDigitsIsUnreadable)
{
    for (const char* bad : {"", "-", "+", "4 2", "42 ", "4,2", "1E3", "12.0", "x1", "--1", "9223372036854775808",
                            "-9223372036854775809", "99999999999999999999"}) {
        EXPECT_EQ(kindName(failureOf([&] { toWholeNumber(QString::fromLatin1(bad)); })), "UnreadableField")
            << '"' << bad << '"';
    }
}

// --- general number form ---

struct FormRow {
    const char* name;
    Real value;
    const char* expected;
};

class GeneralNumberForm : public ::testing::TestWithParam<FormRow> {};

TEST_P(GeneralNumberForm, PrintsTheValue) { EXPECT_EQ(text(formatNumber(GetParam().value)), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Numbers, GeneralNumberForm,
    ::testing::Values(
        FormRow{"Zero", 0.0_dec, "0"}, FormRow{"NegativeZeroHasNoSign", -0.0_dec, "0"},
        FormRow{"WholeNumberWithoutDecimals", 42.0_dec, "42"},
        FormRow{"TrailingZerosOfWholeNumberKept", 1200.0_dec, "1200"}, FormRow{"ThreeDecimals", 6.667_dec, "6,667"},
        FormRow{"TrailingDecimalZerosDropped", 6.5_dec, "6,5"},
        FormRow{"BinaryFractionHidden", Real::fromBinary(0.1L + 0.2L), "0,3"}, FormRow{"Negative", -42.5_dec, "-42,5"},
        FormRow{"SmallestPlainForm", 0.0001_dec, "0,0001"},
        FormRow{"PlainFormWithLeadingZeros", 0.00012345_dec, "0,00012345"},
        FormRow{"BelowPlainForm", 0.00001_dec, "1E-5"}, FormRow{"ScientificWithDecimals", 0.0000015_dec, "1,5E-6"},
        FormRow{"NegativeScientific", -0.0000015_dec, "-1,5E-6"}, FormRow{"VeryLargeExponent", 1e300_dec, "1E300"},
        FormRow{"VerySmallExponent", 2.5e-300_dec, "2,5E-300"},
        FormRow{"FifteenIntegerDigits", 999999999999999.0_dec, "999999999999999"},
        FormRow{"SixteenIntegerDigits", 1000000000000000.0_dec, "1E15"},
        FormRow{"SixteenDigitsRounded", 1234567890123456.0_dec, "1,23456789012346E15"},
        FormRow{"NegativeSixteenDigits", -1000000000000000.0_dec, "-1E15"},
        FormRow{"RoundedToFifteenDigits", 123456789012345.6_dec, "123456789012346"},
        FormRow{"OneThird", Real(1) / 3, "0,333333333333333"},
        FormRow{"TwoThirdsRoundUp", Real(2) / 3, "0,666666666666667"},
        FormRow{"TwentyThirds", Real(20) / 3, "6,66666666666667"},
        FormRow{"NegativeTwoThirds", Real(-2) / 3, "-0,666666666666667"},
        FormRow{"RoundingCarriesIntoNextDigit", 9.9999999999999999_dec, "10"},
        // The 16th digit an exact half: to the even 15th digit.
        FormRow{"SixteenthDigitHalfStaysEven", Real::scaled(Real::fromDigits("1234567890123445"), -2),
                "12345678901234,4"},
        FormRow{"SixteenthDigitHalfGoesUpToEven", Real::scaled(Real::fromDigits("1234567890123455"), -2),
                "12345678901234,6"},
        FormRow{"HalfCarriesThroughNines", Real::fromDigits("9999999999999995"), "1E16"},
        FormRow{"JustAboveHalfBeyond64Bits", Real::scaled(Real::fromDigits("1234567890123445000000000001"), -6),
                "1,23456789012345E21"},
        FormRow{"HalfBeyond64Bits", Real::fromDigits("1234567890123445000000"), "1,23456789012344E21"},
        FormRow{"Largest64BitWhole", Real(INT64_MAX), "9,22337203685478E18"},
        FormRow{"FractionOfLargeNumbers", Real(INT64_MAX) / Real(INT64_MAX - 1), "1"}),
    test::RowName());

TEST(GeneralNumberForm, NonFiniteValuesFail)
{
    EXPECT_TRUE(failureOf([] { formatNumber(Real::fromBinary(std::numeric_limits<long double>::infinity())); }));
    EXPECT_TRUE(failureOf([] { formatNumber(Real::fromBinary(std::numeric_limits<long double>::quiet_NaN())); }));
}

// --- rounding and truncation ---

struct RoundRow {
    const char* name;
    Real value;
    Real rounded;
};

class RoundHalfToEven : public ::testing::TestWithParam<RoundRow> {};

TEST_P(RoundHalfToEven, GoesToNearestOrEvenNeighbour)
{
    const Real r = roundHalfEven(GetParam().value);
    EXPECT_EQ(r, GetParam().rounded);
    EXPECT_NE(text(formatNumber(r)), "-0") << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, RoundHalfToEven,
    ::testing::Values(RoundRow{"HalfDownToEven", 62.5_dec, 62.0_dec}, RoundRow{"HalfUpToEven", 63.5_dec, 64.0_dec},
                      RoundRow{"TwoAndHalf", 2.5_dec, 2.0_dec}, RoundRow{"ThreeAndHalf", 3.5_dec, 4.0_dec},
                      RoundRow{"NegativeHalfToEven", -2.5_dec, -2.0_dec},
                      RoundRow{"NegativeHalfAway", -3.5_dec, -4.0_dec}, RoundRow{"HalfToZero", 0.5_dec, 0.0_dec},
                      RoundRow{"NegativeHalfToZero", -0.5_dec, 0.0_dec}, RoundRow{"OneAndHalf", 1.5_dec, 2.0_dec},
                      RoundRow{"JustBelowHalf", 2.4999_dec, 2.0_dec}, RoundRow{"JustAboveHalf", 2.5001_dec, 3.0_dec},
                      RoundRow{"NegativeJustAboveHalf", -2.5001_dec, -3.0_dec},
                      RoundRow{"ComputedHalf", Real(1000) / 16, 62.0_dec},
                      RoundRow{"LargestWhole64", Real(INT64_MAX), Real(INT64_MAX)},
                      RoundRow{"SmallestWhole64", Real(INT64_MIN), Real(INT64_MIN)}),
    test::RowName());

TEST(Truncation, GoesTowardZero)
{
    const struct {
        Real value;
        Real truncated;
    } rows[] = {{2.7_dec, 2.0_dec},  {-2.7_dec, -2.0_dec}, {0.9999_dec, 0.0_dec},
                {-0.3_dec, 0.0_dec}, {5.0_dec, 5.0_dec},   {-5.0_dec, -5.0_dec}};
    for (const auto& row : rows) {
        const Real t = truncate(row.value);
        EXPECT_EQ(t, row.truncated) << row.value;
        EXPECT_NE(text(formatNumber(t)), "-0") << "negative zero from " << row.value;
    }
}

TEST(RoundingAndTruncation, OutsideThe64BitRangeIsInvalidOperation)
{
    for (const Real& big : {Real(1UL << 63), -Real(1UL << 63) - 1, Real(1e19_dec), Real(-1e19_dec), Real(1e300_dec)}) {
        EXPECT_EQ(kindName(failureOf([&] { roundHalfEven(big); })), "InvalidOperation") << big;
        EXPECT_EQ(kindName(failureOf([&] { truncate(big); })), "InvalidOperation") << big;
    }
    EXPECT_TRUE(
        failureOf([] { roundHalfEven(Real::fromBinary(std::numeric_limits<long double>::quiet_NaN())); }).has_value());
    EXPECT_TRUE(
        failureOf([] { truncate(Real::fromBinary(std::numeric_limits<long double>::infinity())); }).has_value());
}

TEST(RoundedToDecimals, PrintsAtMostThatManyDecimals)
{
    const struct {
        Real value;
        int decimals;
        const char* printed;
    } rows[] = {
        {Real(20) / 3, 3, "6,667"},       {6.5_dec, 3, "6,5"},          {7.0004_dec, 3, "7"},
        {Real(2) / 3, 1, "0,7"},          {0.125_dec, 2, "0,12"}, // exact half of the scaled value goes to even
        {0.375_dec, 2, "0,38"},           {-1.23456_dec, 4, "-1,2346"}, {2.5_dec, 0, "2"},
        {123.456789_dec, 5, "123,45679"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text(formatNumber(roundTo(row.value, row.decimals))), row.printed)
            << row.value << " to " << row.decimals;
}

TEST(RoundedToDecimals, ScaledValueOutsideThe64BitRangeFails)
{
    // 1E17 is a whole 64-bit number, but 1E17 x 1000 is not.
    EXPECT_EQ(kindName(failureOf([] { roundTo(1e17_dec, 3); })), "InvalidOperation");
}

// --- checked arithmetic ---

struct FailureRow {
    const char* name;
    std::function<void()> step;
    Kind kind;
};

class CheckedArithmetic : public ::testing::TestWithParam<FailureRow> {};

TEST_P(CheckedArithmetic, ReportsTheFailureKind)
{
    EXPECT_EQ(kindName(failureOf(GetParam().step)), kindName(GetParam().kind));
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, CheckedArithmetic,
    ::testing::Values(
        FailureRow{"DivisionByZero", [] { divide(1, 0); }, Kind::DivisionByZero},
        FailureRow{"ZeroByZero", [] { divide(0, 0); }, Kind::DivisionByZero},
        FailureRow{"NegativeByZero", [] { divide(-5, 0); }, Kind::DivisionByZero},
        FailureRow{"DivisionOverflow", [] { divide(Real::fromBinary(LDBL_MAX), 0.5_dec); }, Kind::Overflow},
        FailureRow{"Log10OfZero", [] { log10Checked(0); }, Kind::DivisionByZero},
        FailureRow{"Log10OfNegative", [] { log10Checked(-1); }, Kind::InvalidOperation},
        FailureRow{"LnOfZero", [] { lnChecked(0); }, Kind::DivisionByZero},
        FailureRow{"LnOfNegative", [] { lnChecked(-0.5_dec); }, Kind::InvalidOperation},
        FailureRow{"SqrtOfNegative", [] { sqrtChecked(-4); }, Kind::InvalidOperation},
        FailureRow{"PowerOverflow", [] { powChecked(10, 6000); }, Kind::Overflow},
        FailureRow{"ZeroToNegativePower", [] { powChecked(0, -1); }, Kind::DivisionByZero},
        FailureRow{"NegativeToFractionalPower", [] { powChecked(-8, 0.5_dec); }, Kind::InvalidOperation},
        FailureRow{"ProductOverflow", [] { checked(Real::fromBinary(LDBL_MAX) * 2); }, Kind::Overflow},
        FailureRow{"NotANumber", [] { checked(Real::fromBinary(std::numeric_limits<long double>::quiet_NaN())); },
                   Kind::InvalidOperation}),
    test::RowName());

TEST(CheckedArithmetic, UnderflowAndInexactResultsAreNoFailure)
{
    EXPECT_EQ(kindName(failureOf([] { divide(Real::fromBinary(LDBL_MIN), 1e100_dec); })), "no failure");
    EXPECT_EQ(kindName(failureOf([] { powChecked(10, -6000); })), "no failure");
    EXPECT_EQ(kindName(failureOf([] { divide(1, 3); })), "no failure");
    EXPECT_EQ(sqrtChecked(0), 0.0_dec);
    EXPECT_EQ(text(formatNumber(log10Checked(1000))), "3");
}

// --- exact numbers ---

// Sums, products and quotients are exact, also where the fraction outgrows
// 64-bit numbers and comes back; the functions beyond them are exact where their
// result is a fraction.
TEST(ExactNumbers, ArithmeticStaysExact)
{
    const Real big = Real::fromDigits("100000000000000000000"); // 10^20
    const Real two64 = Real::fromBinary(0x1p64L);
    const struct {
        const char* what;
        Real value;
        const char* printed;
    } rows[] = {
        {"a third times three", Real(1) / 3 * 3, "1"},
        {"a third and a sixth", Real(1) / 3 + Real(1) / 6, "0,5"},
        {"beyond 64 bits and back", Real(INT64_MAX) + 1 - 1 - Real(INT64_MAX), "0"},
        {"the negated smallest 64-bit number", -Real(INT64_MIN), "9,22337203685478E18"},
        {"a huge fraction reduced", big / (big * 4), "0,25"},
        {"typed decimals", toNumber(QStringLiteral("0,1")) + toNumber(QStringLiteral("0,2")), "0,3"},
        {"52 x 25 / 1000", Real(52) * 25 / 1000, "1,3"},
        {"the root of a square", sqrtChecked(6.25_dec), "2,5"},
        {"the root of a square of tenths", sqrtChecked(0.0225_dec), "0,15"},
        {"the logarithm of a power of ten", log10Checked(0.001_dec), "-3"},
        {"a whole power", powChecked(1.5_dec, 2), "2,25"},
        {"a negative whole power", powChecked(2, -2), "0,25"},
        {"a power of a fraction beyond 64 bits", powChecked(Real(1) / two64, 2) * two64 * two64, "1"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text(formatNumber(row.value)), row.printed) << row.what;
    EXPECT_GT(big, Real(INT64_MAX));
    EXPECT_LT(-big, Real(INT64_MIN));
    EXPECT_EQ(big / 10, Real::fromDigits("10000000000000000000"));
}

// The nearest extended binary number, halves to the even one, and back exactly.
TEST(ExactNumbers, BinaryConversionRoundsToNearestEven)
{
    const Real ulp = Real(1) / Real::fromBinary(0x1p63L); // 2^-63, the spacing above 1
    const struct {
        const char* what;
        Real value;
        long double binary;
    } rows[] = {
        {"a third", Real(1) / 3, 1.0L / 3},
        {"a tenth", 0.1_dec, 0.1L},
        {"half an ulp above 1 goes to the even 1", 1 + ulp / 2, 1.0L},
        {"a hair more goes up", 1 + ulp / 2 + ulp / 1000, 1.0L + 0x1p-63L},
        {"one and a half ulps go to the even 2 ulps", 1 + ulp * 3 / 2, 1.0L + 0x1p-62L},
        {"negative", -Real(1) / 3, -1.0L / 3},
        {"half an ulp above the largest is beyond it", Real::fromBinary(LDBL_MAX) + Real::fromBinary(0x1p16319L),
         HUGE_VALL},
        {"a quarter ulp above the largest", Real::fromBinary(LDBL_MAX) + Real::fromBinary(0x1p16318L), LDBL_MAX},
        {"below the smallest subnormal half", Real::fromBinary(LDBL_TRUE_MIN) / 3, 0.0L},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.value.toBinary(), row.binary) << row.what;
    for (const long double x : {0.1L, -1e-300L, LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN, 3.0L})
        EXPECT_EQ(Real::fromBinary(x).toBinary(), x) << double(x);
}

// --- angle text ---

struct AngleRow {
    const char* name;
    Real degrees;
    const char* expected;
};

class AngleText : public ::testing::TestWithParam<AngleRow> {};

TEST_P(AngleText, PrintsDegreesMinutesSeconds) { EXPECT_EQ(text(angleText(GetParam().degrees)), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Numbers, AngleText,
                         ::testing::Values(AngleRow{"QuarterDegree", 1.25_dec, "1° 15' 0''"},
                                           AngleRow{"SecondsRounded", 0.52083_dec, "0° 31' 15''"},
                                           AngleRow{"SixtySecondsNotCarried", 10.99999_dec, "10° 59' 60''"},
                                           AngleRow{"SixtySecondsBelowOneDegree", 0.99999_dec, "0° 59' 60''"},
                                           AngleRow{"NegativeBelowOneDegree", -0.5_dec, "0° -30' 0''"},
                                           AngleRow{"NegativeAboveOneDegree", -1.25_dec, "-1° -15' 0''"},
                                           AngleRow{"Zero", 0.0_dec, "0° 0' 0''"},
                                           AngleRow{"WholeDegrees", 45.0_dec, "45° 0' 0''"},
                                           AngleRow{"LargeAngle", 359.5_dec, "359° 30' 0''"},
                                           AngleRow{"OneSecond", Real(1) / 3600, "0° 0' 1''"}),
                         test::RowName());

TEST(AngleText, OutsideThe64BitRangeFails)
{
    EXPECT_EQ(kindName(failureOf([] { angleText(1e20_dec); })), "InvalidOperation");
}

// --- guarded blocks ---

TEST(Guarded, FailureEndsTheBlockSilentlyAndTheNextBlockRuns)
{
    for (const auto& failing : std::initializer_list<std::function<void()>>{
             [] { toNumber(QString()); }, [] { divide(1, 0); }, [] { sqrtChecked(-1); },
             [] { checked(Real::fromBinary(LDBL_MAX) * 2); }}) {
        bool afterFailure = false;
        EXPECT_FALSE(guarded([&] {
            failing();
            afterFailure = true;
        }));
        EXPECT_FALSE(afterFailure);
    }

    int steps = 0;
    EXPECT_TRUE(guarded([&] {
        ++steps;
        toNumber(QStringLiteral("12,5"));
        ++steps;
    }));
    EXPECT_EQ(steps, 2);
}

} // namespace
} // namespace noktaris

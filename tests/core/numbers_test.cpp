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

// Parameter rows show up in failure reports by their name.
template <class Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name;
}

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

INSTANTIATE_TEST_SUITE_P(Numbers, ReadsAsNumber,
    ::testing::Values(
        NumberRow{"DecimalComma", "12,5", 12.5L},
        NumberRow{"TrailingCommaIsWhole", "12,", 12.0L},
        NumberRow{"LeadingComma", ",5", 0.5L},
        NumberRow{"LoneCommaIsZero", ",", 0.0L},
        NumberRow{"MinusLoneComma", "-,", 0.0L},
        NumberRow{"MinusLeadingComma", "-,5", -0.5L},
        NumberRow{"ExponentUpper", "1E3", 1000.0L},
        NumberRow{"ExponentLower", "1e3", 1000.0L},
        NumberRow{"ExponentPlus", "2E+2", 200.0L},
        NumberRow{"ExponentMinus", "1,5E-2", 0.015L},
        NumberRow{"CommaBeforeExponent", "12,E2", 1200.0L},
        NumberRow{"LoneCommaWithExponent", ",E2", 0.0L},
        NumberRow{"LeadingCommaWithExponent", ",5e1", 5.0L},
        NumberRow{"SpacesAround", "  7   ", 7.0L},
        NumberRow{"SpacesAroundExponent", " 1E3 ", 1000.0L},
        NumberRow{"PlusSign", "+3", 3.0L},
        NumberRow{"MinusSign", "-3", -3.0L},
        NumberRow{"SpacesBeforeSign", "  -2,25", -2.25L},
        NumberRow{"LeadingZeros", "007", 7.0L},
        NumberRow{"Zero", "0", 0.0L},
        NumberRow{"ManyDecimals", "1,5873", 1.5873L},
        NumberRow{"BeyondDoubleRange", "1E400", 1e400L},
        NumberRow{"UnderflowIsNoFailure", "1E-6000", 0.0L}),
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

INSTANTIATE_TEST_SUITE_P(Numbers, IsNotNumber,
    ::testing::Values(
        NotNumberRow{"Empty", ""},
        NotNumberRow{"SpacesOnly", "   "},
        NotNumberRow{"LoneMinus", "-"},
        NotNumberRow{"LonePlus", "+"},
        NotNumberRow{"TwoCommas", "1,2,3"},
        NotNumberRow{"FullStop", "12.5"},
        NotNumberRow{"SpaceInside", "1 000"},
        NotNumberRow{"SpaceAfterSign", "- 5"},
        NotNumberRow{"ExponentWithoutDigits", "1e"},
        NotNumberRow{"ExponentSignWithoutDigits", "1E+"},
        NotNumberRow{"ExponentWithoutMantissa", "E5"},
        NotNumberRow{"SignThenExponent", "-E5"},
        NotNumberRow{"CommaInExponent", "1E2,5"},
        NotNumberRow{"TwoSigns", "+-1"},
        NotNumberRow{"TrailingSign", "1-"},
        NotNumberRow{"TrailingLetter", "12,5 x"},
        NotNumberRow{"TabIsNotSpace", "\t7"},
        NotNumberRow{"NonBreakingSpace", "\xC2\xA0" "7"},
        NotNumberRow{"Hexadecimal", "0x10"},
        NotNumberRow{"Infinity", "inf"},
        NotNumberRow{"NotANumber", "nan"},
        NotNumberRow{"ArabicIndicDigit", "\xD9\xA3"}),
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

TEST_P(GeneralNumberForm, PrintsTheValue)
{
    EXPECT_EQ(text(formatNumber(GetParam().value)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, GeneralNumberForm,
    ::testing::Values(
        FormRow{"Zero", 0.0L, "0"},
        FormRow{"NegativeZeroHasNoSign", -0.0L, "0"},
        FormRow{"WholeNumberWithoutDecimals", 42.0L, "42"},
        FormRow{"TrailingZerosOfWholeNumberKept", 1200.0L, "1200"},
        FormRow{"ThreeDecimals", 6.667L, "6,667"},
        FormRow{"TrailingDecimalZerosDropped", 6.5L, "6,5"},
        FormRow{"BinaryFractionHidden", 0.1L + 0.2L, "0,3"},
        FormRow{"Negative", -42.5L, "-42,5"},
        FormRow{"SmallestPlainForm", 0.0001L, "0,0001"},
        FormRow{"PlainFormWithLeadingZeros", 0.00012345L, "0,00012345"},
        FormRow{"BelowPlainForm", 0.00001L, "1E-5"},
        FormRow{"ScientificWithDecimals", 0.0000015L, "1,5E-6"},
        FormRow{"NegativeScientific", -0.0000015L, "-1,5E-6"},
        FormRow{"VeryLargeExponent", 1e300L, "1E300"},
        FormRow{"VerySmallExponent", 2.5e-300L, "2,5E-300"},
        FormRow{"FifteenIntegerDigits", 999999999999999.0L, "999999999999999"},
        FormRow{"SixteenIntegerDigits", 1000000000000000.0L, "1E15"},
        FormRow{"SixteenDigitsRounded", 1234567890123456.0L, "1,23456789012346E15"},
        FormRow{"NegativeSixteenDigits", -1000000000000000.0L, "-1E15"},
        FormRow{"RoundedToFifteenDigits", 123456789012345.6L, "123456789012346"},
        FormRow{"OneThird", 1.0L / 3.0L, "0,333333333333333"},
        FormRow{"TwoThirdsRoundUp", 2.0L / 3.0L, "0,666666666666667"},
        FormRow{"TwentyThirds", 20.0L / 3.0L, "6,66666666666667"},
        FormRow{"NegativeTwoThirds", -2.0L / 3.0L, "-0,666666666666667"},
        FormRow{"RoundingCarriesIntoNextDigit", 9.9999999999999999L, "10"}),
    test::RowName());

TEST(GeneralNumberForm, NonFiniteValuesFail)
{
    EXPECT_TRUE(failureOf([] { formatNumber(std::numeric_limits<Real>::infinity()); }).has_value());
    EXPECT_TRUE(failureOf([] { formatNumber(std::numeric_limits<Real>::quiet_NaN()); }).has_value());
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
    EXPECT_FALSE(std::signbit(r) && r == 0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(Numbers, RoundHalfToEven,
    ::testing::Values(
        RoundRow{"HalfDownToEven", 62.5L, 62.0L},
        RoundRow{"HalfUpToEven", 63.5L, 64.0L},
        RoundRow{"TwoAndHalf", 2.5L, 2.0L},
        RoundRow{"ThreeAndHalf", 3.5L, 4.0L},
        RoundRow{"NegativeHalfToEven", -2.5L, -2.0L},
        RoundRow{"NegativeHalfAway", -3.5L, -4.0L},
        RoundRow{"HalfToZero", 0.5L, 0.0L},
        RoundRow{"NegativeHalfToZero", -0.5L, 0.0L},
        RoundRow{"OneAndHalf", 1.5L, 2.0L},
        RoundRow{"JustBelowHalf", 2.4999L, 2.0L},
        RoundRow{"JustAboveHalf", 2.5001L, 3.0L},
        RoundRow{"NegativeJustAboveHalf", -2.5001L, -3.0L},
        RoundRow{"ComputedHalf", 1000.0L / 16.0L, 62.0L},
        RoundRow{"LargestWhole64", 9223372036854775807.0L, 9223372036854775807.0L},
        RoundRow{"SmallestWhole64", -9223372036854775808.0L, -9223372036854775808.0L}),
    test::RowName());

TEST(Truncation, GoesTowardZero)
{
    const struct {
        Real value;
        Real truncated;
    } rows[] = {{2.7L, 2.0L}, {-2.7L, -2.0L}, {0.9999L, 0.0L}, {-0.3L, 0.0L}, {5.0L, 5.0L}, {-5.0L, -5.0L}};
    for (const auto& row : rows) {
        const Real t = truncate(row.value);
        EXPECT_EQ(t, row.truncated) << double(row.value);
        EXPECT_FALSE(std::signbit(t) && t == 0) << "negative zero from " << double(row.value);
    }
}

TEST(RoundingAndTruncation, OutsideThe64BitRangeIsInvalidOperation)
{
    for (const Real big : {9223372036854775808.0L, -9223372036854775809.0L, 1e19L, -1e19L, 1e300L}) {
        EXPECT_EQ(kindName(failureOf([&] { roundHalfEven(big); })), "InvalidOperation") << double(big);
        EXPECT_EQ(kindName(failureOf([&] { truncate(big); })), "InvalidOperation") << double(big);
    }
    EXPECT_TRUE(failureOf([] { roundHalfEven(std::numeric_limits<Real>::quiet_NaN()); }).has_value());
    EXPECT_TRUE(failureOf([] { truncate(std::numeric_limits<Real>::infinity()); }).has_value());
}

TEST(RoundedToDecimals, PrintsAtMostThatManyDecimals)
{
    const struct {
        Real value;
        int decimals;
        const char* printed;
    } rows[] = {
        {20.0L / 3.0L, 3, "6,667"},
        {6.5L, 3, "6,5"},
        {7.0004L, 3, "7"},
        {2.0L / 3.0L, 1, "0,7"},
        {0.125L, 2, "0,12"}, // exact half of the scaled value goes to even
        {0.375L, 2, "0,38"},
        {-1.23456L, 4, "-1,2346"},
        {2.5L, 0, "2"},
        {123.456789L, 5, "123,45679"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(text(formatNumber(roundTo(row.value, row.decimals))), row.printed)
            << double(row.value) << " to " << row.decimals;
}

TEST(RoundedToDecimals, ScaledValueOutsideThe64BitRangeFails)
{
    // 1E17 is a whole 64-bit number, but 1E17 x 1000 is not.
    EXPECT_EQ(kindName(failureOf([] { roundTo(1e17L, 3); })), "InvalidOperation");
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

INSTANTIATE_TEST_SUITE_P(Numbers, CheckedArithmetic,
    ::testing::Values(
        FailureRow{"DivisionByZero", [] { divide(1, 0); }, Kind::DivisionByZero},
        FailureRow{"ZeroByZero", [] { divide(0, 0); }, Kind::DivisionByZero},
        FailureRow{"NegativeByZero", [] { divide(-5, 0); }, Kind::DivisionByZero},
        FailureRow{"DivisionOverflow", [] { divide(LDBL_MAX, 0.5L); }, Kind::Overflow},
        FailureRow{"Log10OfZero", [] { log10Checked(0); }, Kind::DivisionByZero},
        FailureRow{"Log10OfNegative", [] { log10Checked(-1); }, Kind::InvalidOperation},
        FailureRow{"LnOfZero", [] { lnChecked(0); }, Kind::DivisionByZero},
        FailureRow{"LnOfNegative", [] { lnChecked(-0.5L); }, Kind::InvalidOperation},
        FailureRow{"SqrtOfNegative", [] { sqrtChecked(-4); }, Kind::InvalidOperation},
        FailureRow{"PowerOverflow", [] { powChecked(10, 6000); }, Kind::Overflow},
        FailureRow{"ZeroToNegativePower", [] { powChecked(0, -1); }, Kind::DivisionByZero},
        FailureRow{"NegativeToFractionalPower", [] { powChecked(-8, 0.5L); }, Kind::InvalidOperation},
        FailureRow{"ProductOverflow", [] { checked(LDBL_MAX * 2); }, Kind::Overflow},
        FailureRow{"NotANumber", [] { checked(std::numeric_limits<Real>::quiet_NaN()); }, Kind::InvalidOperation}),
    test::RowName());

TEST(CheckedArithmetic, UnderflowAndInexactResultsAreNoFailure)
{
    EXPECT_EQ(kindName(failureOf([] { divide(LDBL_MIN, 1e100L); })), "no failure");
    EXPECT_EQ(kindName(failureOf([] { powChecked(10, -6000); })), "no failure");
    EXPECT_EQ(kindName(failureOf([] { divide(1, 3); })), "no failure");
    EXPECT_EQ(sqrtChecked(0), 0.0L);
    EXPECT_EQ(text(formatNumber(log10Checked(1000))), "3");
}

// --- angle text ---

struct AngleRow {
    const char* name;
    Real degrees;
    const char* expected;
};

class AngleText : public ::testing::TestWithParam<AngleRow> {};

TEST_P(AngleText, PrintsDegreesMinutesSeconds)
{
    EXPECT_EQ(text(angleText(GetParam().degrees)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Numbers, AngleText,
    ::testing::Values(
        AngleRow{"QuarterDegree", 1.25L, "1° 15' 0''"},
        AngleRow{"SecondsRounded", 0.52083L, "0° 31' 15''"},
        AngleRow{"SixtySecondsNotCarried", 10.99999L, "10° 59' 60''"},
        AngleRow{"SixtySecondsBelowOneDegree", 0.99999L, "0° 59' 60''"},
        AngleRow{"NegativeBelowOneDegree", -0.5L, "0° -30' 0''"},
        AngleRow{"NegativeAboveOneDegree", -1.25L, "-1° -15' 0''"},
        AngleRow{"Zero", 0.0L, "0° 0' 0''"},
        AngleRow{"WholeDegrees", 45.0L, "45° 0' 0''"},
        AngleRow{"LargeAngle", 359.5L, "359° 30' 0''"},
        AngleRow{"OneSecond", 1.0L / 3600.0L, "0° 0' 1''"}),
    test::RowName());

TEST(AngleText, OutsideThe64BitRangeFails)
{
    EXPECT_EQ(kindName(failureOf([] { angleText(1e20L); })), "InvalidOperation");
}

// --- guarded blocks ---

TEST(Guarded, FailureEndsTheBlockSilentlyAndTheNextBlockRuns)
{
    for (const auto& failing : std::initializer_list<std::function<void()>>{
             [] { toNumber(QString()); }, [] { divide(1, 0); }, [] { sqrtChecked(-1); },
             [] { checked(LDBL_MAX * 2); }}) {
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

// Typed numbers (common/numbers.h): the decimal-comma reader, the whole-number
// reader and the general number form that the labels print.
//
// The input is the text of a field, as UTF-8.
#include "fuzz_support.h"

#include "common/numbers.h"

#include <cstdint>
#include <optional>

using namespace noktaris;

namespace {

std::optional<Real> number(const QString& text)
{
    Real v = 0;
    if (!guarded([&] { v = toNumber(text); }))
        return std::nullopt;
    return v;
}

bool onlySignAndDigits(const QString& text)
{
    qsizetype i = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (; i < text.size(); ++i)
        if (text[i] < u'0' || text[i] > u'9')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const std::optional<Real> v = number(text);
    FUZZ_CHECK(isNumber(text) == v.has_value());
    if (isTypedDecimal(text))
        FUZZ_CHECK(v && *v >= 0);

    if (v) {
        FUZZ_CHECK(guarded([&] { v->checkRange(); }));
        // The printed form reads back as the same number, to its 15 digits, and
        // prints the same again.
        QString printed;
        FUZZ_CHECK(guarded([&] { printed = formatNumber(*v); }));
        const std::optional<Real> back = number(printed);
        FUZZ_CHECK(back);
        FUZZ_CHECK(abs(*back - *v) <= abs(*v) * 5e-15_dec);
        FUZZ_CHECK(formatNumber(*back) == printed);

        Real r = 0;
        if (guarded([&] { r = roundHalfEven(*v); })) {
            // The nearest whole number; of two, the even one.
            FUZZ_CHECK(r.isWhole() && abs(r - *v) <= 0.5_dec);
            FUZZ_CHECK(abs(r - *v) < 0.5_dec || (r / 2).isWhole());
        }
        for (int decimals : {0, 2, 9})
            guarded([&] { formatNumber(roundTo(*v, decimals)); });
        guarded([&] { angleText(*v); });
    }

    // The whole-number reader agrees with the decimal one on the texts both read.
    std::int64_t w = 0;
    const bool whole = guarded([&] { w = toWholeNumber(text); });
    if (whole)
        FUZZ_CHECK(onlySignAndDigits(text) && v && *v == Real(w));
    else if (onlySignAndDigits(text) && v)
        FUZZ_CHECK(*v < Real(INT64_MIN) || *v > Real(INT64_MAX));
    return 0;
}

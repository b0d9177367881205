// Fields of view, CCD pixels, image sizes and guiding: one row per worked example
// or hand-computed case, each value as its label prints it.
#include "optics/fields.h"
#include "photo/guiding.h"
#include "photo/image_size.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace noktaris {
namespace {

// The label text a formula gives, or "failure" when it throws CalcFailure.
std::string shown(const std::function<QString()>& text)
{
    try {
        return text().toStdString();
    } catch (const CalcFailure&) {
        return "failure";
    }
}

std::string number(const std::function<Real()>& value)
{
    return shown([&] { return formatNumber(value()); });
}

TEST(FrameField, AnglesOfBothSides)
{
    struct Row {
        Real w, h, f;
        const char* text;
    };
    const Row rows[] = {
        {36, 24, 50, "Zorné pole: 39° 35' 52'' x 26° 59' 29''"},
        {6.9_dec, 4.6_dec, 500, "Zorné pole: 0° 47' 26'' x 0° 31' 38''"},
        // 2 arctan 1,2 = 100,3888°; 2 arctan 0,8 = 77,3196°.
        {36, 24, 15, "Zorné pole: 100° 23' 20'' x 77° 19' 11''"},
        {0, 24, 50, "Zorné pole: 0° 0' 0'' x 26° 59' 29''"},
        {36, 24, 0, "failure"},
        // Pasted into a group without a sign check: negative angles.
        {-36, 24, 50, "Zorné pole: -39° -35' -52'' x 26° 59' 29''"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(shown([&] { return fields::frameFieldText(r.w, r.h, r.f); }), r.text) << r.w << " " << r.f;
}

TEST(CcdChip, ScalePixelSizeAndOptimalRatio)
{
    struct Row {
        Real x, y, nx, ny, f, lambda;
        const char *scale, *pixel, *ratio;
    };
    const Row rows[] = {
        {6.9_dec, 4.6_dec, 768, 512, 500, 550, "Úhlové zvětšení na pixel: 3,71'' x 3,71''",
         "Rozměry pixelu: 0,01 mm x 0,01 mm", "32,7"},
        // 185,32 rounds to 185; the ratio does not depend on f.
        {6.9_dec, 4.6_dec, 768, 512, 1000, 550, "Úhlové zvětšení na pixel: 1,85'' x 1,85''",
         "Rozměry pixelu: 0,01 mm x 0,01 mm", "32,7"},
        // 6 µm pixels of a 36 x 24 chip: 2475,18 and a mean of 24.
        {36, 24, 6000, 4000, 50, 500, "Úhlové zvětšení na pixel: 24,75'' x 24,75''",
         "Rozměry pixelu: 0,01 mm x 0,01 mm", "24"},
        // 0,0036 mm and exactly 0,005 mm (half to even) both print as 0.
        {3.6_dec, 5, 1000, 1000, 500, 500, "Úhlové zvětšení na pixel: 1,49'' x 2,06''", "Rozměry pixelu: 0 mm x 0 mm",
         "17,2"},
        {6.9_dec, 4.6_dec, 768, 512, 0, 0, "failure", "Rozměry pixelu: 0,01 mm x 0,01 mm", "failure"},
        {6.9_dec, 4.6_dec, 0, 512, 500, 550, "failure", "failure", "failure"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.scale);
        EXPECT_EQ(shown([&] { return ccd::scaleText(r.x, r.y, r.nx, r.ny, r.f); }), r.scale);
        EXPECT_EQ(shown([&] { return ccd::pixelSizeText(r.x, r.y, r.nx, r.ny); }), r.pixel);
        EXPECT_EQ(number([&] { return ccd::optimalRatio(r.x, r.y, r.nx, r.ny, r.lambda); }), r.ratio);
    }
}

TEST(ImageSize, PrimeFocusAndAfocalAtBothPrecisions)
{
    using namespace imagesize;
    struct Row {
        const char* name;
        std::function<Real()> size;
        const char* text;
    };
    const Row rows[] = {
        {"30' through 1000 mm, basic", [] { return primeFocus(30, 1000, 1000); }, "Rozměr: 8,726 mm"},
        {"30' through 1000 mm, window", [] { return primeFocus(30, 1000, 100); }, "Rozměr: 8,73 mm"},
        {"afocal 30' 1000/50/25, basic", [] { return afocal(30, 1000, 50, 25, 1000); }, "Rozměr: 17,452 mm"},
        {"afocal 30' 1000/50/25, window", [] { return afocal(30, 1000, 50, 25, 100); }, "Rozměr: 17,45 mm"},
        {"no angular size", [] { return primeFocus(0, 1000, 1000); }, "Rozměr:"},
        {"rounds to nothing", [] { return primeFocus(0.01_dec, 50, 100); }, "Rozměr:"},
        {"negative focal length", [] { return primeFocus(30, -1000, 100); }, "Rozměr: -8,73 mm"},
        {"eyepiece 0", [] { return afocal(30, 1000, 50, 0, 1000); }, "failure"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(shown([&] { return sizeText(r.size()); }), r.text) << r.name;
}

TEST(Guiding, ToleranceAndVerdict)
{
    using namespace guiding;
    struct Row {
        const char* name;
        std::function<Real()> T;
        const char* tolerance;
        Verdict verdict;
    };
    const Row rows[] = {
        {"0,2 / 1000 / 50", [] { return standardTolerance(0.2_dec, 1000, 50); }, "3,5", Verdict::Comfortable},
        {"0,2 / 500 / 1000", [] { return standardTolerance(0.2_dec, 500, 1000); }, "0,0875", Verdict::Demanding},
        {"exactly 1 is not enough", [] { return standardTolerance(0.2_dec, 200, 35); }, "1", Verdict::Demanding},
        {"drift 0,07", [] { return tolerance(0.2_dec, 1000, 50, 0.07_dec); }, "7", Verdict::Comfortable},
        {"standard drift typed", [] { return tolerance(0.2_dec, 1000, 50, 0.035_dec); }, "3,5", Verdict::Comfortable},
        {"0 / 0", [] { return standardTolerance(0.2_dec, 0, 0); }, "failure", Verdict::Pending},
        {"square 0", [] { return tolerance(0, 1000, 50, 0.035_dec); }, "failure", Verdict::Pending},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(number(r.T), r.tolerance) << r.name;
        if (r.verdict != Verdict::Pending) {
            EXPECT_EQ(verdictFor(r.T()), r.verdict) << r.name;
        }
    }
    const QString blanks28(28, u' ');
    EXPECT_EQ(verdictText(Verdict::Pending), blanks28 + QStringLiteral("Potvrzení") + blanks28);
    EXPECT_EQ(verdictText(Verdict::Comfortable), QString(29, u' ') + QStringLiteral("Vše OK") + QString(30, u' '));
    EXPECT_EQ(verdictText(Verdict::Demanding), QStringLiteral("Nárok na přesnost jako v primárním ohnisku dal.!"));
}

TEST(Guiding, MagnificationAndLargestError)
{
    using namespace guiding;
    struct Row {
        const char* name;
        std::function<Real()> value;
        const char* text;
    };
    const Row rows[] = {
        {"50 mm, 12 mm eyepiece: 4,17", [] { return minimumMagnification(50, 12); }, "4"},
        {"30 mm, 12 mm eyepiece: 2,5 to even", [] { return minimumMagnification(30, 12); }, "2"},
        {"500 mm, 4 mm eyepiece", [] { return minimumMagnification(500, precisions()[0].eyepiece); }, "125"},
        {"500 mm printed 3x", [] { return maximumError(500, 3); }, "5,5"},
        {"no enlargement", [] { return maximumError(500, 0); }, "failure"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(number(r.value), r.text) << r.name;
    EXPECT_EQ(precisions()[kUsualPrecision].text, QStringLiteral("Odpovídající 12mm okuláru (obvyklá)"));
}

} // namespace
} // namespace noktaris

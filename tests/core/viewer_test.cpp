// The viewer's picture list and geometry: one row per worked example or edge case.
#include "support/qt_printers.h"
#include "viewer/frame_layout.h"
#include "viewer/picture_list.h"

#include <gtest/gtest.h>

namespace noktaris {
namespace {

TEST(PictureList, NamesAndPicturesOfEachItem)
{
    struct Row {
        const char* what;
        QByteArray file;
        QStringList names;
        int index;
        const char* name; // nullptr: the item gives no picture
        const char* fileName;
        std::int64_t width;
    };
    const Row rows[] = {
        {"the closing line ends the list",
         "M 31 Andromeda$m31.jpg$10187\r\nM 42$m42.jpg$3600\r\n;\r\nM 1$m1.jpg$400\r\n",
         {"M 31 Andromeda", "M 42"},
         1,
         "M 42",
         "m42.jpg",
         3600},
        {"no closing line: the whole file", "A$a.jpg$100\nB$b.bmp$200", {"A", "B"}, 1, "B", "b.bmp", 200},
        {"a line without $ is skipped, items still match", "komentar\nA$a.jpg$100\n;\n", {"A"}, 0, "A", "a.jpg", 100},
        {"Windows-1250 name",
         "M\xec"
         "s\xed"
         "c$mesic.jpg$3600\r\n;\r\n",
         {"M\u011bs\u00edc"},
         0,
         "M\u011bs\u00edc",
         "mesic.jpg",
         3600},
        {"spaces around the width", "A$a.jpg$ 3600 \r\n;", {"A"}, 0, "A", "a.jpg", 3600},
        {"no second $", "A$a.jpg\r\n;", {"A"}, 0, nullptr, nullptr, 0},
        {"width not a number", "A$a.jpg$36x\r\n;", {"A"}, 0, nullptr, nullptr, 0},
        {"width 0", "A$a.jpg$0\r\n;", {"A"}, 0, nullptr, nullptr, 0},
        {"negative width", "A$a.jpg$-5\r\n;", {"A"}, 0, nullptr, nullptr, 0},
        {"index beyond the list", "A$a.jpg$100\r\n;", {"A"}, 1, nullptr, nullptr, 0},
        {"no item picked", "A$a.jpg$100\r\n;", {"A"}, -1, nullptr, nullptr, 0},
        {"empty file", "", {}, 0, nullptr, nullptr, 0},
        {"closing line first", ";\r\nA$a.jpg$100\r\n", {}, 0, nullptr, nullptr, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        EXPECT_EQ(pictures::names(r.file), r.names);
        const std::optional<pictures::Picture> picture = pictures::pictureAt(r.file, r.index);
        ASSERT_EQ(picture.has_value(), r.name != nullptr);
        if (picture) {
            EXPECT_EQ(picture->name, QString::fromUtf8(r.name));
            EXPECT_EQ(picture->file, QString::fromUtf8(r.fileName));
            EXPECT_EQ(picture->width, r.width);
        }
    }
}

TEST(ViewerGeometry, DisplayedFieldAndSideAngles)
{
    // 3600 × 1,333 = 4798,8; × 500 / 635 = 3778,6.
    const struct {
        std::int64_t A;
        int zoom;
        std::int64_t width, height;
    } zooms[] = {{3600, 0, 3600, 2835},
                 {3600, 1, 4799, 3779},
                 {3600, 2, 7200, 5669},
                 {3600, 4, 36000, 28346},
                 {179, 3, 716, 564}};
    for (const auto& r : zooms) {
        const viewer::Span field = viewer::displayedField(r.A, viewer::kZoomSteps[r.zoom].z);
        EXPECT_EQ(field.width, r.width) << r.A << " at " << viewer::kZoomSteps[r.zoom].caption;
        EXPECT_EQ(field.height, r.height) << r.A << " at " << viewer::kZoomSteps[r.zoom].caption;
    }
    EXPECT_THROW(viewer::displayedField(INT64_MAX, 10), CalcFailure);

    // 2 arctan(3,2 / 2000) = 0,18335°, 660''; 2 arctan(2,4 / 2000) = 0,13751°, 495''.
    const struct {
        Real s, F, degrees;
        std::int64_t seconds;
    } sides[] = {{3.2_dec, 1000, 0.18335_dec, 660},
                 {2.4_dec, 1000, 0.13751_dec, 495},
                 {36, 2000, 1.0313_dec, 3713},
                 {0, 1000, 0, 0},
                 {-36, 1000, -2.06243_dec, -7425}};
    for (const auto& r : sides) {
        EXPECT_EQ(viewer::sideAngle(r.s, r.F), r.degrees) << r.s;
        EXPECT_EQ(viewer::arcseconds(viewer::sideAngle(r.s, r.F)), r.seconds) << r.s;
    }
    EXPECT_THROW(viewer::sideAngle(3.2_dec, 0), CalcFailure);
}

TEST(ViewerGeometry, FrameCentredOnTheBlackArea)
{
    const viewer::Span full{3600, 2835};
    const struct {
        const char* what;
        viewer::Span instrument, displayed;
        bool rotated;
        QRect frame;
    } rows[] = {
        // 2160 × 635 / 3600 = 381; 2160 × 500 / 2835 = 380,95; half of 381 rounds to 190.
        {"telescope 1000/12/50", {2160, 2160}, full, false, QRect(135, 163, 381, 381)},
        // 116,4 × 87,3; half of 87 rounds to the even 44.
        {"CCD 1000/3,2/2,4", {660, 495}, full, false, QRect(267, 309, 116, 87)},
        {"the same turned", {660, 495}, full, true, QRect(281, 295, 87, 116)},
        {"wider than the area", {3713, 2475}, full, false, QRect(-3, 135, 655, 437)},
        {"at 75 %", {2160, 2160}, {4799, 3779}, false, QRect(182, 210, 286, 286)},
        {"no field yet", {0, 0}, full, false, QRect(325, 353, 0, 0)},
        {"a negative field", {-660, -495}, full, false, QRect(325, 353, 0, 0)},
        {"far wider than the picture",
         {INT64_MAX / 1000, 1},
         {1, 1},
         false,
         QRect(325 - 16384, 103, viewer::kLargestFrame, 500)},
    };
    for (const auto& r : rows)
        EXPECT_EQ(viewer::frameGeometry(r.instrument, r.displayed, r.rotated), r.frame) << r.what;
    EXPECT_THROW(viewer::frameGeometry({2160, 2160}, {0, 0}, false), CalcFailure);
}

} // namespace
} // namespace noktaris

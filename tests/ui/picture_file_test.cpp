// Reading the viewer's pictures: delivered, scaled and broken files, each with the
// outcome the viewer needs (a picture, an empty picture, or none and the old one
// stays).
#include "support/qt_printers.h"
#include "viewer/picture_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <vector>

#include <jpeglib.h>

namespace noktaris {
namespace {

// A plain JPEG of one colour, made with libjpeg itself (grey, RGB or CMYK samples).
QByteArray encodeJpeg(int width, int height, J_COLOR_SPACE space, std::vector<JSAMPLE> pixel, bool smallest = false)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = int(pixel.size());
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    info.optimize_coding = smallest; // Huffman codes of one bit for a picture of one colour
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), pixel.begin(), pixel.end());
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QByteArray sourceFile(const QString& path)
{
    QFile file(QStringLiteral(NOKTARIS_SOURCE_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray deliveredPicture(const char* name) { return sourceFile(QStringLiteral("data/") + QLatin1String(name)); }

// A bitmap of the fuzzing corpus: 16 × 16 pixels of each kind.
QByteArray corpusBitmap(const char* name)
{
    return sourceFile(QStringLiteral("fuzz/corpus/bmp/") + QLatin1String(name));
}

// The delivered M 42 with its frame header claiming 60000 × 60000 pixels.
QByteArray hugeHeader()
{
    QByteArray bytes = deliveredPicture("m42.jpg");
    const qsizetype sof = bytes.indexOf("\xff\xc0");
    for (qsizetype i : {sof + 5, sof + 7}) {
        bytes[i] = char(0xea);
        bytes[i + 1] = char(0x60);
    }
    return bytes;
}

TEST(PictureFile, EachKindOfFile)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.path() + u'/' + QLatin1String(name); };
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    QImage bitmap(20, 10, QImage::Format_RGB32);
    bitmap.fill(Qt::blue);
    ASSERT_TRUE(bitmap.save(path("blue.bmp"), "BMP"));
    QDir(dir.path()).mkdir(QStringLiteral("folder.jpg"));
    const QByteArray m42 = deliveredPicture("m42.jpg");
    ASSERT_FALSE(m42.isEmpty());
    write("m42.jpg", m42);
    write("half.jpg", m42.left(m42.size() / 2));
    write("huge.jpg", hugeHeader());
    write("grey.jpg", encodeJpeg(16, 8, JCS_GRAYSCALE, {200}));
    // As small as a real JPEG of its size gets; and a small one claiming 10000 × 10000.
    write("flat.jpg", encodeJpeg(2000, 2000, JCS_GRAYSCALE, {90}, true));
    QByteArray forged = encodeJpeg(16, 8, JCS_GRAYSCALE, {200});
    const qsizetype frame = forged.indexOf("\xff\xc0");
    forged.replace(frame + 5, 4, QByteArray::fromHex("27102710"));
    write("forged.jpg", forged);
    // Adobe's CMYK stores the inks inverted: no cyan, full magenta and yellow, no black.
    write("red.jpeg", encodeJpeg(16, 8, JCS_CMYK, {255, 0, 0, 255}));
    write("text.bmp", "BM this is not a bitmap");
    // Bitmaps hold their pixels: 8 bits run-length coded, and one whose last row is
    // cut off; a 118-byte file declaring 4600 × 4580 pixels of 24 bits.
    write("rle.bmp", corpusBitmap("rle.bmp"));
    QFile blue(path("blue.bmp"));
    ASSERT_TRUE(blue.open(QIODevice::ReadOnly));
    write("cut.bmp", blue.readAll().chopped(20 * 4));
    write("forged.bmp", corpusBitmap("forged-size.bmp"));
    write("empty.jpg", "");
    write("text.jpg", "not a JPEG picture at all");
    write("upper.JPG", m42);

    enum Outcome { None, Empty, Shown };
    const struct {
        const char* file;
        QSize cover;
        Outcome outcome;
        QSize size;
        QRgb pixel; // the top-left pixel, where it is checked
    } rows[] = {
        {"m42.jpg", QSize(), Shown, QSize(635, 500), 0},
        // 635 × 500 at 4/8 is the smallest that still covers 300 × 200.
        {"m42.jpg", QSize(300, 200), Shown, QSize(318, 250), 0},
        {"upper.JPG", QSize(64, 50), Shown, QSize(80, 63), 0},
        {"grey.jpg", QSize(), Shown, QSize(16, 8), qRgb(200, 200, 200)},
        {"flat.jpg", QSize(), Shown, QSize(2000, 2000), qRgb(90, 90, 90)},
        {"forged.jpg", QSize(635, 500), None, {}, 0},
        {"red.jpeg", QSize(), Shown, QSize(16, 8), qRgb(255, 0, 0)},
        {"blue.bmp", QSize(635, 500), Shown, QSize(20, 10), qRgb(0, 0, 255)},
        {"rle.bmp", QSize(), Shown, QSize(16, 16), 0},
        {"cut.bmp", QSize(), None, {}, 0},
        {"forged.bmp", QSize(635, 500), None, {}, 0},
        {"half.jpg", QSize(), None, {}, 0},
        {"huge.jpg", QSize(), None, {}, 0},
        {"text.bmp", QSize(), None, {}, 0},
        {"empty.jpg", QSize(), None, {}, 0},
        {"text.jpg", QSize(), None, {}, 0},
        {"folder.jpg", QSize(), None, {}, 0},
        {"missing.jpg", QSize(), None, {}, 0},
        {"picture.png", QSize(), Empty, {}, 0},
        {"notes.txt", QSize(), Empty, {}, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.file);
        const std::optional<QImage> picture = pictures::loadPicture(path(r.file), r.cover);
        ASSERT_EQ(picture.has_value(), r.outcome != None);
        if (r.outcome == Empty) {
            EXPECT_TRUE(picture->isNull());
        }
        if (r.outcome == Shown) {
            EXPECT_EQ(picture->size(), r.size);
            if (r.pixel) {
                const QColor seen = picture->pixelColor(0, 0);
                EXPECT_NEAR(seen.red(), qRed(r.pixel), 2);
                EXPECT_NEAR(seen.green(), qGreen(r.pixel), 2);
                EXPECT_NEAR(seen.blue(), qBlue(r.pixel), 2);
            }
        }
    }
}

TEST(PictureFile, ReadAgainOnlyWhenTheFileChanges)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/sky.jpg");
    const auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    write(encodeJpeg(16, 8, JCS_GRAYSCALE, {10}));
    const QImage first = *pictures::loadPicture(path, QSize(16, 8));
    EXPECT_EQ(pictures::loadPicture(path, QSize(16, 8))->cacheKey(), first.cacheKey());
    write(encodeJpeg(24, 8, JCS_GRAYSCALE, {10}));
    EXPECT_EQ(pictures::loadPicture(path, QSize(16, 8))->size(), QSize(24, 8));
    // A file that breaks gives nothing, not the picture read before.
    write("broken");
    EXPECT_FALSE(pictures::loadPicture(path, QSize(16, 8)).has_value());
}

} // namespace
} // namespace noktaris

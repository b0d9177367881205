// JPEG sky pictures (viewer/picture_file.h): libjpeg's decoding at full size and
// at the scale that covers the viewer's picture control, from the bytes and from a
// file.
//
// The input is a JPEG file.
#include "fuzz_support.h"

#include "viewer/picture_file.h"

#include <QGuiApplication>

using namespace noktaris::pictures;

namespace {

// The viewer's picture control.
constexpr QSize kControl(635, 500);

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::optional<QImage> full = decodeJpeg(bytes);
    if (full) {
        FUZZ_CHECK(!full->isNull() && full->format() == QImage::Format_RGB32);
        FUZZ_CHECK(std::int64_t(full->width()) * full->height() <= kLargestPicture);
    }

    // A smaller scale is taken only when it still covers the control.
    const QSize cover(1 + int(size % 64), 1 + int(size % 48));
    const std::optional<QImage> scaled = decodeJpeg(bytes, cover);
    if (scaled) {
        FUZZ_CHECK(!scaled->isNull() && scaled->format() == QImage::Format_RGB32);
        if (full) {
            FUZZ_CHECK(scaled->width() <= full->width() && scaled->height() <= full->height());
            FUZZ_CHECK((scaled->width() >= cover.width() && scaled->height() >= cover.height())
                       || scaled->size() == full->size());
        }
    }

    // From a file of its own (so the reader's cache cannot answer), the picture is
    // the one decoded from the bytes.
    static unsigned counter = 0;
    const QString path = fuzz::pathOf(QStringLiteral("picture%1.jpg").arg(++counter));
    fuzz::writeFile(path, bytes);
    const std::optional<QImage> loaded = loadPicture(path, kControl);
    const std::optional<QImage> direct = decodeJpeg(bytes, kControl);
    FUZZ_CHECK(loaded.has_value() == direct.has_value());
    if (loaded)
        FUZZ_CHECK(*loaded == *direct);
    QFile::remove(path);
    return 0;
}

// Bitmap sky pictures (viewer/picture_file.h): a Windows bitmap read through Qt,
// with the program's limit on the picture's size, only when its file holds the
// pixels its header declares (run by fuzz/run.sh with a 64 MB allocation limit).
//
// The input is a BMP file.
#include "fuzz_support.h"

#include "viewer/picture_file.h"

#include <QGuiApplication>
#include <QImageReader>

using namespace noktaris::pictures;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A file of its own each time, so the reader's cache cannot answer.
    static unsigned counter = 0;
    const QString file = fuzz::pathOf(QStringLiteral("picture%1.bmp").arg(++counter));
    fuzz::writeFile(file, fuzz::bytesOf(data, size));

    const std::optional<QImage> loaded = loadPicture(file, QSize(635, 500));
    if (loaded) {
        // What is shown is a whole picture of the size the file declares, within
        // the program's limit.
        QImageReader reader(file, "BMP");
        reader.setDecideFormatFromContent(false);
        FUZZ_CHECK(!loaded->isNull() && loaded->size() == reader.size());
        FUZZ_CHECK(std::int64_t(loaded->width()) * loaded->height() <= kLargestPicture);
        // A byte of the file holds at most 8 pixels uncompressed, 127.5 run-length
        // coded: a picture larger than that was declared, not stored.
        FUZZ_CHECK(std::int64_t(loaded->width()) * loaded->height() <= std::int64_t(size) * 128);
    }
    QFile::remove(file);
    return 0;
}

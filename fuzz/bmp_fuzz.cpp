// Bitmap sky pictures (viewer/picture_file.h): a Windows bitmap read through Qt,
// with the program's limit on the picture's size.
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
    }
    QFile::remove(file);
    return 0;
}

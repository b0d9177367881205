#include "viewer/picture_file.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSysInfo>
#include <QtEndian>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace noktaris::pictures {

PictureKind pictureKind(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg" || suffix == u"jpeg" || suffix == u"jpe")
        return PictureKind::Jpeg;
    if (suffix == u"bmp")
        return PictureKind::Bitmap;
    return PictureKind::Unknown;
}

namespace {

// libjpeg reports errors through its error manager, whose default ends the
// process. Ours jumps back to the decoding step that was running; warnings (a
// file that ends too early, corrupt data) count as errors too.
struct Decoding {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf jump{};
    bool cmyk = false;
};

[[noreturn]] void stopDecoding(j_common_ptr info)
{
    Decoding* decoding = static_cast<Decoding*>(info->client_data);
    std::longjmp(decoding->jump, 1);
}

void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        stopDecoding(info);
}

// The functions below call libjpeg only between their setjmp and their return,
// and keep nothing with a destructor of its own on the stack, so a jump back
// skips no clean-up.

bool readHeader(Decoding& d, const QByteArray& bytes, QSize cover)
{
    if (setjmp(d.jump))
        return false;
    // Creating keeps the error manager and client_data set before it.
    jpeg_create_decompress(&d.info);
    d.info.mem->max_memory_to_use = kDecoderMemory;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    const std::int64_t pixels = std::int64_t(d.info.image_width) * d.info.image_height;
    if (pixels > kLargestPicture)
        return false;
    // Each 8 x 8 block of a Huffman-coded picture costs at least one bit of the file,
    // so a header that declares more pixels than the file could hold is broken or
    // forged: refused before its picture is allocated. Arithmetic coding could pack
    // a picture of one flat colour tighter still; no photograph comes near it, so
    // the same bound holds for it.
    if (pixels > std::int64_t(bytes.size()) * 8 * 64)
        return false;
    d.cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    if (d.cmyk)
        d.info.out_color_space = JCS_CMYK;
    else
        d.info.out_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    d.info.scale_denom = 8;
    d.info.scale_num = 8;
    if (!cover.isEmpty()) {
        for (unsigned eighths = 1; eighths <= 8; ++eighths) {
            d.info.scale_num = eighths;
            jpeg_calc_output_dimensions(&d.info);
            if (int(d.info.output_width) >= cover.width() && int(d.info.output_height) >= cover.height())
                break;
        }
    }
    jpeg_calc_output_dimensions(&d.info);
    return true;
}

bool readPixels(Decoding& d, uchar* bits, qsizetype bytesPerLine, JSAMPLE* cmykRow)
{
    if (setjmp(d.jump))
        return false;
    jpeg_start_decompress(&d.info);
    while (d.info.output_scanline < d.info.output_height) {
        uchar* line = bits + bytesPerLine * d.info.output_scanline;
        JSAMPROW row = d.cmyk ? cmykRow : line;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1)
            return false;
        if (d.cmyk) {
            // Adobe's CMYK pictures store the inks inverted.
            const bool inverted = d.info.saw_Adobe_marker;
            auto* pixel = reinterpret_cast<QRgb*>(line);
            for (JDIMENSION x = 0; x < d.info.output_width; ++x) {
                const JSAMPLE* ink = cmykRow + std::size_t(4) * x;
                const auto channel = [&](int i) {
                    const int c = inverted ? ink[i] : 255 - ink[i];
                    const int k = inverted ? ink[3] : 255 - ink[3];
                    return c * k / 255;
                };
                pixel[x] = qRgb(channel(0), channel(1), channel(2));
            }
        }
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

} // namespace

std::optional<QImage> decodeJpeg(const QByteArray& bytes, QSize cover)
{
    Decoding d;
    d.info.err = jpeg_std_error(&d.errors);
    d.errors.error_exit = stopDecoding;
    d.errors.emit_message = onMessage;
    d.info.client_data = &d;

    QImage image;
    std::vector<JSAMPLE> cmykRow;
    bool read = readHeader(d, bytes, cover);
    if (read) {
        image = QImage(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB32);
        read = !image.isNull();
    }
    if (read && d.cmyk)
        cmykRow.resize(std::size_t(d.info.output_width) * 4);
    if (read)
        read = readPixels(d, image.bits(), image.bytesPerLine(), cmykRow.data());
    jpeg_destroy_decompress(&d.info);
    if (!read)
        return std::nullopt;
    return image;
}

namespace {

// Windows bitmaps begin with the file header (14 bytes: "BM", the file's size,
// where the pixels begin) and the picture's own header, whose first field is its
// size: 12 bytes in OS/2's form (16-bit width and height, no compression), 40 or
// more in Windows' (32-bit width and height, bits per pixel, compression).
constexpr int kFileHeader = 14;
constexpr int kHeadersRead = kFileHeader + 20;

// The bytes of pixel data a bitmap of `size` needs at the least; nothing when its
// headers are cut short.
std::optional<std::int64_t> bitmapPixelBytes(const QByteArray& headers, QSize size)
{
    const auto field = [&](int at, auto type) { return qFromLittleEndian<decltype(type)>(headers.constData() + at); };
    const bool os2 = headers.size() >= kFileHeader + 4 && field(kFileHeader, quint32()) == 12;
    if (headers.size() < (os2 ? kFileHeader + 12 : kHeadersRead))
        return std::nullopt;
    const std::int64_t bits = std::max<quint16>(1, field(os2 ? 24 : 28, quint16()));
    const quint32 compression = os2 ? 0 : field(30, quint32());
    // Run-length coding (RLE8, RLE4) spends at least two bytes on a run of up to
    // 255 pixels. Its escapes could leave a picture blank for less (a jump over
    // rows, the end of the picture); no photograph is stored so, and the bound
    // holds for them too, as the JPEG one does for arithmetic coding.
    constexpr quint32 kRle8 = 1;
    constexpr quint32 kRle4 = 2;
    if (compression == kRle8 || compression == kRle4)
        return (std::int64_t(size.width()) * size.height() * 2 + 254) / 255;
    // Uncompressed: every row padded to whole 4-byte words.
    return (size.width() * bits + 31) / 32 * 4 * size.height();
}

// A bitmap is read only when its file holds the pixels its header declares. Qt
// allocates the picture before reading it and leaves blank what the file lacks,
// so a forged header of a few bytes would have it allocate up to the limit.
std::optional<QImage> readBitmap(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray headers = file.read(kHeadersRead);
    if (headers.size() < kFileHeader || !file.seek(0))
        return std::nullopt;
    QImageReader reader(&file, "BMP");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || std::int64_t(size.width()) * size.height() > kLargestPicture)
        return std::nullopt;
    const qint64 pixelsAt = qFromLittleEndian<quint32>(headers.constData() + 10);
    const std::optional<std::int64_t> needed = bitmapPixelBytes(headers, size);
    if (!needed || *needed > file.size() - std::min(pixelsAt, file.size()))
        return std::nullopt;
    QImage image;
    if (!reader.read(&image))
        return std::nullopt;
    return image;
}

std::optional<QImage> readFromFile(const QString& path, PictureKind kind, QSize cover)
{
    if (kind == PictureKind::Bitmap)
        return readBitmap(path);
    QFile file(path);
    if (file.size() > kLargestFile || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeJpeg(file.readAll(), cover);
}

struct CachedPicture {
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QSize cover;
    QImage image;
};

} // namespace

std::optional<QImage> loadPicture(const QString& path, QSize cover)
{
    const PictureKind kind = pictureKind(path);
    if (kind == PictureKind::Unknown)
        return QImage();
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    static CachedPicture cached;
    const qint64 size = info.size();
    const QDateTime modified = info.lastModified();
    if (cached.path == path && cached.size == size && cached.modified == modified && cached.cover == cover)
        return cached.image;
    std::optional<QImage> image = readFromFile(path, kind, cover);
    if (image)
        cached = {path, size, modified, cover, *image};
    return image;
}

} // namespace noktaris::pictures

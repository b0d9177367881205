// Sky pictures from their files: JPEG pictures through libjpeg, Windows bitmaps
// through Qt, told apart by the file name's extension. A broken, truncated or
// absurdly large file gives no picture, never a crash or a runaway allocation.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>

namespace noktaris::pictures {

enum class PictureKind { Jpeg, Bitmap, Unknown };
PictureKind pictureKind(const QString& path);

// Refused before anything is allocated for them.
inline constexpr std::int64_t kLargestFile = std::int64_t(256) * 1024 * 1024;
inline constexpr std::int64_t kLargestPicture = 100'000'000; // pixels
// What libjpeg may allocate for one picture (a progressive picture keeps all its
// coefficients).
inline constexpr long kDecoderMemory = 256L * 1024 * 1024;

// A JPEG picture from the bytes of its file, as 32-bit RGB. With a `cover` size it
// is decoded at the smallest of libjpeg's scales (1/8 to 8/8) that still covers
// that many pixels, which shows the same on a control of that size; without one
// at full size. Grey, RGB, CMYK and YCCK pictures are read; any error or warning
// of the decoder (a truncated file, corrupt data) gives nothing.
std::optional<QImage> decodeJpeg(const QByteArray& bytes, QSize cover = QSize());

// The picture of a file for a control of `cover` pixels: nothing when the file
// cannot be read as its extension says, an empty picture when the extension names
// no picture kind. A picture read once is kept, and read again only when the
// file's path, size or modification time or the cover size changes.
std::optional<QImage> loadPicture(const QString& path, QSize cover);

} // namespace noktaris::pictures

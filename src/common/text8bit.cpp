#include "common/text8bit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace noktaris {

QString fromCp1250(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

QByteArray toCp1250(const QString& text)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(text);
}

QString resolvePath(const QString& programPath)
{
    const QStringList parts = QString(programPath).replace(u'\\', u'/').split(u'/');
    QString resolved;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        QString chosen = part;
        const QDir dir(resolved.isEmpty() ? QStringLiteral(".") : resolved);
        if (!part.isEmpty() && part != u"." && part != u".." && !dir.exists(part)) {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        if (i > 0 || part.isEmpty())
            resolved += u'/';
        resolved += chosen;
    }
    return resolved;
}

namespace {

QString openErrorText(const QString& path, const QFile& file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return info.absoluteDir().exists() ? QStringLiteral("File not found") : QStringLiteral("Path not found");
    if (info.isDir() || file.error() == QFileDevice::PermissionsError)
        return QStringLiteral("Access denied");
    return QStringLiteral("I/O error");
}

void setError(FileError* error, const QString& message)
{
    if (error)
        error->message = message;
}

} // namespace

std::optional<QByteArray> readFile(const QString& path, FileError* error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        setError(error, openErrorText(path, file));
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("Read error"));
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> readFirstLine(const QString& path, FileError* error)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        setError(error, openErrorText(path, file));
        return std::nullopt;
    }
    QByteArray line;
    char chunk[65536];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0) {
            setError(error, QStringLiteral("Read error"));
            return std::nullopt;
        }
        if (got == 0)
            return line;
        for (qint64 i = 0; i < got; ++i) {
            if (chunk[i] == '\n' || chunk[i] == '\r') {
                line.append(chunk, i);
                return line;
            }
        }
        line.append(chunk, got);
    }
}

bool replaceFile(const QString& path, const QByteArray& bytes, bool mustExist, FileError* error)
{
    if (mustExist && !QFileInfo(path).isFile()) {
        QFile missing(path);
        setError(error, openErrorText(path, missing));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QFileInfo(path).isDir() ? QStringLiteral("Access denied") : file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        setError(error, QStringLiteral("Write error"));
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace noktaris

#include "support/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace noktaris::test {

namespace {

void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + QDir(from).relativeFilePath(file).prepend(u'/');
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

} // namespace

ProgramFolder::ProgramFolder() : previous_(QDir::currentPath())
{
    const QString source = QStringLiteral(NOKTARIS_SOURCE_DIR);
    QFile::copy(source + QStringLiteral("/config.ini"), dir_.path() + QStringLiteral("/config.ini"));
    for (const char* folder : {"data", "pics"})
        copyTree(source + u'/' + QLatin1String(folder), dir_.path() + u'/' + QLatin1String(folder));
    // The manual as the build makes it, with its addresses.
    copyTree(QStringLiteral(NOKTARIS_MANUAL_DIR "/html"), dir_.path() + QStringLiteral("/html"));
    QDir::setCurrent(dir_.path());
}

ProgramFolder::~ProgramFolder() { QDir::setCurrent(previous_); }

QString ProgramFolder::path(const QString& relative) const { return dir_.path() + u'/' + relative; }

QByteArray ProgramFolder::read(const QString& relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramFolder::write(const QString& relative, const QByteArray& bytes) const
{
    QDir().mkpath(QFileInfo(path(relative)).absolutePath());
    QFile file(path(relative));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void ProgramFolder::remove(const QString& relative) const { QFile::remove(path(relative)); }

QByteArray deliveredFile(const QString& relative)
{
    QFile file(QStringLiteral(NOKTARIS_SOURCE_DIR) + u'/' + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace noktaris::test

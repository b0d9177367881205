#include "config/config_file.h"

#include "common/code_page.h"
#include "common/file_read.h"
#include "common/numbers.h"
#include "common/paths.h"
#include "common/safe_write.h"

#include <QFileInfo>

namespace noktaris {

namespace {

// The keys the lines begin with.
const QString kModeKey = QStringLiteral("Rezim:");
const QString kRememberKey = QStringLiteral("Prepinac:");
const QString kCalculatorKey = QStringLiteral("Kalkulacka:");
const QString kK1Key = QStringLiteral("k1=");
const QString kK2Key = QStringLiteral("k2=");
const QString kK3Key = QStringLiteral("k3=");
const QString kUpdateKey = QStringLiteral("Aktualizace:");

} // namespace

QList<QByteArray> splitLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines << bytes.mid(start, i - start);
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << bytes.mid(start);
    return lines;
}

QList<std::optional<QString>> findEachLine(const QByteArray& contents, const QStringList& keys)
{
    const QList<QByteArray> lines = splitLines(contents);
    QList<std::optional<QString>> found;
    qsizetype next = 0;
    for (const QString& key : keys) {
        const QByteArray k = toCp1250(key);
        while (next < lines.size() && !lines[next].startsWith(k))
            ++next;
        if (next >= lines.size()) {
            found << std::nullopt;
            next = lines.size() + 1; // the keys after a missing one are missing too
            continue;
        }
        found << fromCp1250(lines[next++]);
    }
    return found;
}

std::optional<QStringList> findLines(const QByteArray& contents, const QStringList& keys)
{
    QStringList result;
    for (const auto& line : findEachLine(contents, keys)) {
        if (!line)
            return std::nullopt;
        result << *line;
    }
    return result;
}

QString constantDisplay(const QString& line, bool dropIndex)
{
    QString text = line;
    text.insert(std::min<qsizetype>(2, text.size()), u' ');
    text.insert(std::min<qsizetype>(4, text.size()), u' ');
    if (dropIndex)
        text.remove(1, 1);
    return text;
}

QString lineValue(const QString& line, int fromCharacter) { return line.mid(fromCharacter - 1); }

std::optional<QByteArray> withModeLine(const QByteArray& contents, const QString& modeLine)
{
    const QList<QByteArray> lines = splitLines(contents);
    qsizetype mode = 0;
    while (mode < lines.size() && !lines[mode].startsWith(toCp1250(kModeKey)))
        ++mode;
    if (mode == lines.size())
        return std::nullopt;
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += i == mode ? toCp1250(modeLine) : lines[i];
        if (i > mode && lines[i] == ";")
            return out; // the end marker closes the file, without a line break
        out += "\r\n";
    }
    // No end marker: keep the file's own ending after its last line.
    if (!contents.endsWith('\n') && !contents.endsWith('\r'))
        out.chop(2);
    return out;
}

namespace {

// The line of the key that comes after the lines of the keys before it, or why
// there is none.
QList<FileResult<QString>> linesAfterEachOther(const FileResult<QByteArray>& contents, const QStringList& keys)
{
    QList<FileResult<QString>> found;
    if (!contents) {
        for (qsizetype i = 0; i < keys.size(); ++i)
            found << FileResult<QString>(contents.error());
        return found;
    }
    for (const std::optional<QString>& line : findEachLine(*contents, keys))
        found << (line ? FileResult<QString>(*line) : FileResult<QString>(missingInFile()));
    return found;
}

FileResult<QString> lineOf(const QString& key, const QString& path)
{
    return linesAfterEachOther(readFile(resolvePath(path)), {key}).first();
}

FileResult<QList<Real>> constants(const QStringList& keys, const QString& path)
{
    QList<Real> values(keys.size());
    const QList<FileResult<QString>> lines = linesAfterEachOther(readFile(resolvePath(path)), keys);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i])
            return {lines[i].error(), values};
        if (!guarded([&] { values[i] = toNumber(lineValue(*lines[i], 4)); }))
            return {FileError{QStringLiteral("Invalid floating point value")}, values};
    }
    return values;
}

} // namespace

FileResult<QString> modeLine(const QString& path) { return lineOf(kModeKey, path); }

QString modeLineFor(bool basic) { return kModeKey + (basic ? u'1' : u'2'); }

bool startsInBasicMode(const QString& modeLine) { return modeLine.startsWith(modeLineFor(true)); }

bool lastCharacterIsOne(const QString& line) { return line.endsWith(u'1'); }

FileResult<QString> rememberModeLine(const QString& path) { return lineOf(kRememberKey, path); }

bool remembersMode(const QString& line) { return line == kRememberKey + u'1'; }

FileResult<QString> calculatorLine(const QString& path) { return lineOf(kCalculatorKey, path); }

QString calculatorPath(const QString& line) { return lineValue(line, 12); }

FileResult<QList<Real>> magnificationConstants(const QString& path) { return constants({kK1Key, kK2Key}, path); }

FileResult<QList<Real>> pointExposureConstant(const QString& path) { return constants({kK3Key}, path); }

FileResult<QString> constantLine(int which, const QString& path)
{
    return lineOf(QStringLiteral("k") + QString::number(which), path);
}

QString constantText(const QString& line) { return lineValue(line, 4); }

FileResult<QString> updateCheckLine(const QString& path) { return lineOf(kUpdateKey, path); }

bool checksForUpdates(const QString& line) { return line == kUpdateKey + u'1'; }

bool updateCheckBoxOn(const QString& line) { return line.left(13) == kUpdateKey + u'1'; }

SettingsLines readSettingsLines(const QString& path)
{
    const FileResult<QByteArray> contents = readFile(resolvePath(path));
    const auto one = [&](const QString& key) { return linesAfterEachOther(contents, {key}).first(); };
    const QList<FileResult<QString>> k12 = linesAfterEachOther(contents, {kK1Key, kK2Key});
    const QList<FileResult<QString>> k3Update = linesAfterEachOther(contents, {kK3Key, kUpdateKey});
    return {one(kModeKey), one(kRememberKey), one(kCalculatorKey), k12[0], k12[1], k3Update[0], k3Update[1]};
}

FileResult<> rewriteModeLine(const QString& modeLine, const QString& path)
{
    const QString file = resolvePath(path);
    const auto contents = readFile(file);
    if (!contents)
        return contents.error();
    const auto rewritten = withModeLine(*contents, modeLine);
    if (!rewritten)
        return missingInFile();
    return replaceFile(file, *rewritten, true);
}

QByteArray configText(const AppConfig& config)
{
    const QStringList lines{
        QStringLiteral("[CONFIG]"),
        config.modeLine,
        kRememberKey + (config.rememberMode ? u'1' : u'0'),
        kCalculatorKey + config.calculator,
        QString(),
        QStringLiteral("[KONSTANTY]"),
        kK1Key + config.k1,
        kK2Key + config.k2,
        kK3Key + config.k3,
        QString(),
        QStringLiteral("[AKTUALIZACE]"),
        kUpdateKey + (config.updateCheck ? u'1' : u'0'),
        QStringLiteral(";"),
    };
    return toCp1250(lines.join(QStringLiteral("\r\n")));
}

QString withLeadingZero(const QString& text) { return text.startsWith(u',') ? QStringLiteral("0") + text : text; }

std::optional<QString> findCalculator(const QStringList& folders)
{
    for (const QString& folder : folders) {
        for (const QString& name : kCalculatorNames) {
            const QString path = folder + u'/' + name;
            if (QFileInfo(path).isFile())
                return path;
        }
    }
    return std::nullopt;
}

FileResult<> writeConfig(const AppConfig& config, const QString& path)
{
    return replaceFile(resolvePath(path), configText(config), false);
}

} // namespace noktaris

#include "config/config_file.h"

#include "common/numbers.h"
#include "common/text8bit.h"

#include <QFileInfo>

namespace noktaris {

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

Constants readConstants(const QStringList& keys, const QString& path)
{
    Constants constants;
    constants.values.fill(0, keys.size());
    const auto contents = readFile(resolvePath(path));
    if (!contents)
        return constants;
    const auto lines = findEachLine(*contents, keys);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i] || !guarded([&] { constants.values[i] = toNumber(lineValue(*lines[i], 4)); }))
            return constants;
    }
    constants.complete = true;
    return constants;
}

std::optional<QStringList> lookupLines(const QStringList& keys, const QString& path)
{
    const auto contents = readFile(resolvePath(path));
    if (!contents)
        return std::nullopt;
    return findLines(*contents, keys);
}

std::optional<QString> lookupLine(const QString& key, const QString& path)
{
    const auto lines = lookupLines({key}, path);
    if (!lines)
        return std::nullopt;
    return lines->first();
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
    while (mode < lines.size() && !lines[mode].startsWith("Rezim:"))
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

bool rewriteModeLine(const QString& modeLine, const QString& path, FileError* error)
{
    const QString file = resolvePath(path);
    const auto contents = readFile(file, error);
    if (!contents)
        return false;
    const auto rewritten = withModeLine(*contents, modeLine);
    return rewritten && replaceFile(file, *rewritten, true, error);
}

QByteArray configText(const AppConfig& config)
{
    const QStringList lines{
        QStringLiteral("[CONFIG]"),
        config.modeLine,
        config.rememberMode ? QStringLiteral("Prepinac:1") : QStringLiteral("Prepinac:0"),
        QStringLiteral("Kalkulacka:") + config.calculator,
        QString(),
        QStringLiteral("[KONSTANTY]"),
        QStringLiteral("k1=") + config.k1,
        QStringLiteral("k2=") + config.k2,
        QStringLiteral("k3=") + config.k3,
        QString(),
        QStringLiteral("[AKTUALIZACE]"),
        config.updateCheck ? QStringLiteral("Aktualizace:1") : QStringLiteral("Aktualizace:0"),
        QStringLiteral(";"),
    };
    return toCp1250(lines.join(QStringLiteral("\r\n")));
}

QString withLeadingZero(const QString& text)
{
    return text.startsWith(u',') ? QStringLiteral("0") + text : text;
}

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

bool writeConfig(const AppConfig& config, const QString& path, FileError* error)
{
    return replaceFile(resolvePath(path), configText(config), false, error);
}

} // namespace noktaris

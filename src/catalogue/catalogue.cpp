#include "catalogue/catalogue.h"

#include "common/code_page.h"
#include "common/file_read.h"
#include "common/paths.h"
#include "common/safe_write.h"

#include <algorithm>
#include <array>

namespace noktaris {

namespace {

const std::array<CatalogueInfo, kCatalogueCount + 1>& infos()
{
    static const std::array<CatalogueInfo, kCatalogueCount + 1> table{{
        {QStringLiteral("data\\Dalekohledy.dat"),
         {QStringLiteral("D="), QStringLiteral("F=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\dalekohledy.dat")},
        {QStringLiteral("data\\Okulary.dat"),
         {QStringLiteral("f="), QStringLiteral("u=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\okulary.dat")},
        {QStringLiteral("data\\Jasnosti.dat"),
         {QStringLiteral("j=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\jasnosti.dat")},
        {QStringLiteral("data\\Rozmery.dat"),
         {QStringLiteral("r=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\rozmery.dat")},
        {QStringLiteral("data\\Filmy.dat"),
         {QStringLiteral("x="), QStringLiteral("y=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\filmy.dat")},
        {QStringLiteral("data\\CCD.dat"),
         {QStringLiteral("x1="), QStringLiteral("y1="), QStringLiteral("x2="), QStringLiteral("y2=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\CCD.dat")},
        {QStringLiteral("data\\Kamery.dat"),
         {QStringLiteral("p="), QStringLiteral("x="), QStringLiteral("y="), QStringLiteral("rn="),
          QStringLiteral("fw="), QStringLiteral("qe="), QStringLiteral("bayer="), QStringLiteral("g=")},
         QStringLiteral("Chyba při zpracování databázového souboru data\\kamery.dat")},
    }};
    return table;
}

QByteArray recordKey(const QString& name) { return "#name=" + toCp1250(name) + '$'; }

// The length of the key before the f-th value (the key itself is not compared).
qsizetype keyLength(CatalogueKind kind, int f) { return catalogueInfo(kind).keys[f].size(); }

} // namespace

const CatalogueInfo& catalogueInfo(CatalogueKind kind) { return infos()[std::size_t(kind)]; }

QStringList namesInLine(const QByteArray& line)
{
    // Decoded once for the whole line: Windows-1250 gives one character per byte,
    // and "#" and "$" stay themselves.
    const QString text = fromCp1250(line);
    const qsizetype n = text.size();
    QStringList names;
    names.reserve(text.count(u'#'));
    for (qsizetype i = text.indexOf(u'#'); i >= 0; i = text.indexOf(u'#', i + 1)) {
        // A name ends at its "$"; in a broken line without one, at the next record
        // start or the end of the line, so that listing stays linear in the line.
        const qsizetype start = std::min(i + 6, n);
        qsizetype end = start;
        while (end < n && text[end] != u'$' && text[end] != u'#')
            ++end;
        names << text.mid(start, end - start);
    }
    return names;
}

std::optional<QStringList> recordInLine(const QByteArray& line, const QString& name, CatalogueKind kind)
{
    const QByteArray key = recordKey(name);
    const qsizetype at = line.indexOf(key);
    if (at < 0)
        return std::nullopt;
    const qsizetype n = line.size();
    const int fields = int(catalogueInfo(kind).keys.size());
    QStringList values;
    // Position alone decides: the key labels are skipped, not compared.
    qsizetype pos = at + key.size() + keyLength(kind, 0);
    for (int f = 0; f < fields; ++f) {
        if (pos >= n) {
            values << QString();
            continue;
        }
        qsizetype end = line.indexOf('$', pos);
        if (end < 0)
            end = n;
        values << fromCp1250(line.mid(pos, end - pos));
        pos = end + 1 + (f + 1 < fields ? keyLength(kind, f + 1) : 0);
    }
    return values;
}

QByteArray recordText(const CatalogueRecord& record, CatalogueKind kind)
{
    QByteArray text = recordKey(record.name);
    const QStringList& keys = catalogueInfo(kind).keys;
    for (qsizetype f = 0; f < keys.size(); ++f)
        text += toCp1250(keys[f]) + toCp1250(record.values.value(f)) + '$';
    return text;
}

std::optional<QByteArray> lineWithout(const QByteArray& line, const QString& name, CatalogueKind kind)
{
    const qsizetype at = line.indexOf(recordKey(name));
    if (at < 0)
        return std::nullopt;
    // The record ends at its (1 + fields)-th "$"; a record cut short ends the line.
    qsizetype end = at;
    const qsizetype dollars = 1 + catalogueInfo(kind).keys.size();
    for (qsizetype d = 0; d < dollars && end >= 0; ++d)
        end = line.indexOf('$', d == 0 ? at : end + 1);
    QByteArray rest = line;
    rest.remove(at, (end < 0 ? line.size() : end + 1) - at);
    return rest;
}

std::optional<QString> nameProblem(const QString& name)
{
    if (name.contains(u'#') || name.contains(u'$'))
        return QStringLiteral("Název nesmí obsahovat znaky # a $.");
    const auto c = unstorableCharacter(name);
    if (!c)
        return std::nullopt;
    if (c->unicode() < 32 || c->unicode() == 127)
        return QStringLiteral("Název nesmí obsahovat konec řádku, tabulátor ani jiné řídicí znaky.");
    return QStringLiteral("Název obsahuje znak „") + *c
        + QStringLiteral("“, který nelze do databáze uložit (soubory databáze jsou v kódování Windows-1250).");
}

QString cataloguePath(CatalogueKind kind) { return resolvePath(catalogueInfo(kind).file); }

FileResult<QStringList> listNames(CatalogueKind kind)
{
    const auto line = readFirstLine(cataloguePath(kind));
    if (!line)
        return line.error();
    return namesInLine(*line);
}

FileResult<std::optional<QStringList>> findRecord(CatalogueKind kind, const QString& name)
{
    const auto line = readFirstLine(cataloguePath(kind));
    if (!line)
        return line.error();
    return recordInLine(*line, name, kind);
}

namespace {

// The catalogue's line changed by `change` and written back through the safe
// rewrite; only the first line is read, which is all that readers see.
template <class Change>
FileResult<> rewriteLine(CatalogueKind kind, Change change)
{
    const QString path = cataloguePath(kind);
    const auto line = readFirstLine(path);
    if (!line)
        return line.error();
    return replaceFile(path, change(*line), true);
}

} // namespace

FileResult<> appendRecord(CatalogueKind kind, const CatalogueRecord& record)
{
    return rewriteLine(kind, [&](const QByteArray& line) { return line + recordText(record, kind); });
}

FileResult<> removeRecord(CatalogueKind kind, const QString& name)
{
    return rewriteLine(kind, [&](const QByteArray& line) { return lineWithout(line, name, kind).value_or(line); });
}

FileResult<> replaceRecord(CatalogueKind kind, const QString& oldName, const CatalogueRecord& record)
{
    return rewriteLine(kind, [&](const QByteArray& line) {
        return lineWithout(line, oldName, kind).value_or(line) + recordText(record, kind);
    });
}

} // namespace noktaris

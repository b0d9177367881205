// The catalogue files (catalogue/catalogue.h): listing the names of the one-line
// "#name=...$key=value$..." file, looking a record up, and the editor's append,
// remove and replace, all through the real files.
//
// The input's first byte picks the catalogue (its low seven bits) and whether the
// editor's rewrites run (its high bit); the rest is the catalogue file.
#include "fuzz_support.h"

#include "catalogue/catalogue.h"
#include "common/code_page.h"
#include "common/file_read.h"

#include <QDir>

using namespace noktaris;

namespace {

// The line the program reads: everything before the first CR or LF.
QByteArray firstLine(const QByteArray& file)
{
    qsizetype end = 0;
    while (end < file.size() && file[end] != '\r' && file[end] != '\n')
        ++end;
    return file.left(end);
}

// A record the editor could append: its name can be stored, its values are typed
// decimals, and each differs from anything in a delivered file.
CatalogueRecord appended(CatalogueKind kind)
{
    CatalogueRecord record{QStringLiteral("Zkušební Plössl č. 7"), {}};
    for (qsizetype f = 0; f < catalogueInfo(kind).keys.size(); ++f)
        record.values << QString::number(f + 1) + QStringLiteral(",25");
    return record;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::keepArtifactsInStartFolder(argc, argv);
    QDir(fuzz::privateFolder()).mkdir(QStringLiteral("data"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The editor's six and the planning windows' camera catalogue.
    const auto kind = CatalogueKind((data[0] & 0x7f) % (kCatalogueCount + 1));
    const bool rewrites = data[0] & 0x80;
    const QByteArray file = fuzz::bytesOf(data + 1, size - 1);
    const QByteArray line = firstLine(file);
    const QStringList& keys = catalogueInfo(kind).keys;
    const fuzz::InPrivateFolder here;
    fuzz::writeFile(cataloguePath(kind), file);

    // The file's listing is that of its first line, with one name for every "#".
    const FileResult<QStringList> names = listNames(kind);
    FUZZ_CHECK(names && *names == namesInLine(line));
    FUZZ_CHECK(names->size() == line.count('#'));

    // A record written whole ("#name=<name>$" with a name that reads back as the
    // same bytes) is listed under its name and found by it.
    qsizetype listed = 0;
    for (qsizetype at = line.indexOf('#'); at >= 0 && listed < 64; at = line.indexOf('#', at + 1), ++listed) {
        const qsizetype dollar = line.indexOf('$', at);
        const qsizetype next = line.indexOf('#', at + 1);
        if (line.mid(at, 6) != "#name=" || dollar < 0 || (next >= 0 && next < dollar))
            continue;
        const QByteArray nameBytes = line.mid(at + 6, dollar - at - 6);
        const QString name = fromCp1250(nameBytes);
        if (toCp1250(name) != nameBytes)
            continue;
        FUZZ_CHECK(names->at(listed) == name);
        const FileResult<std::optional<QStringList>> values = findRecord(kind, name);
        FUZZ_CHECK(values && values->has_value() && (*values)->size() == keys.size());
        const std::optional<QByteArray> rest = lineWithout(line, name, kind);
        const qsizetype first = line.indexOf("#name=" + nameBytes + '$');
        FUZZ_CHECK(first >= 0 && first <= at);
        FUZZ_CHECK(rest && rest->size() < line.size() && line.startsWith(rest->left(first)));
    }

    if (!rewrites)
        return 0;
    // The editor's rewrites keep only the first line. Appending a record lists it
    // last and finds exactly its values; removing it gives the line back.
    const CatalogueRecord record = appended(kind);
    FUZZ_CHECK(!nameProblem(record.name));
    const QByteArray key = "#name=" + toCp1250(record.name) + '$';
    if (line.contains(key))
        return 0;
    FUZZ_CHECK(appendRecord(kind, record).ok());
    const FileResult<QStringList> after = listNames(kind);
    FUZZ_CHECK(after && !after->isEmpty() && after->last() == record.name && after->size() == names->size() + 1);
    FUZZ_CHECK(findRecord(kind, record.name).value() == record.values);

    CatalogueRecord changed = record;
    changed.values.first() += QStringLiteral("5");
    FUZZ_CHECK(replaceRecord(kind, record.name, changed).ok());
    FUZZ_CHECK(findRecord(kind, record.name).value() == changed.values);
    FUZZ_CHECK(listNames(kind).value() == *after);

    FUZZ_CHECK(removeRecord(kind, record.name).ok());
    FUZZ_CHECK(readFirstLine(cataloguePath(kind)).value() == line);
    return 0;
}

// config.ini (config/config_file.h): every lookup the program makes in it, the
// numeric constants, the mode-line rewrite and the settings window's whole-file
// write, through the real file.
//
// The input is config.ini.
#include "fuzz_support.h"

#include "common/code_page.h"
#include "common/file_read.h"
#include "config/config_file.h"

#include <algorithm>

using namespace noktaris;

namespace {

const QStringList kConstantKeys{QStringLiteral("k1="), QStringLiteral("k2="), QStringLiteral("k3=")};
// The lines the program looks up, one at a time and as a chain.
const QStringList kLookups{QStringLiteral("Rezim:"),      QStringLiteral("Prepinac:"),   QStringLiteral("Kalkulacka:"),
                           QStringLiteral("[KONSTANTY]"), QStringLiteral("k1="),         QStringLiteral("k2="),
                           QStringLiteral("k3="),         QStringLiteral("Aktualizace:")};

// What a text becomes once written to the file and read back.
QString stored(const QString& text) { return fromCp1250(toCp1250(text)); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray contents = fuzz::bytesOf(data, size);
    const QString path = fuzz::pathOf(kConfigFile);
    fuzz::writeFile(path, contents);
    const QList<QByteArray> lines = splitLines(contents);
    for (const QByteArray& l : lines)
        FUZZ_CHECK(!l.contains('\r') && !l.contains('\n'));

    // A line found is a line of the file beginning with its key, the first such;
    // one not found is in no line.
    const std::pair<QString, FileResult<QString>> readers[] = {
        {QStringLiteral("Rezim:"), modeLine(path)},
        {QStringLiteral("Prepinac:"), rememberModeLine(path)},
        {QStringLiteral("Kalkulacka:"), calculatorLine(path)},
        {QStringLiteral("Aktualizace:"), updateCheckLine(path)},
        {QStringLiteral("k3"), constantLine(3, path)},
    };
    for (const auto& [key, line] : readers) {
        const QByteArray keyBytes = toCp1250(key);
        const bool anyLine =
            std::any_of(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.startsWith(keyBytes); });
        FUZZ_CHECK(line.ok() == anyLine);
        FUZZ_CHECK(line.ok() || line.error().message == QStringLiteral("Read beyond end of file"));
        if (line) {
            FUZZ_CHECK(line->startsWith(key) && (stored(*line) != *line || lines.contains(toCp1250(*line))));
            FUZZ_CHECK(findEachLine(contents, {key}).first() == *line);
        }
    }
    // The settings window's lines: each from the start, k2 after k1, the update
    // line after k3.
    const SettingsLines settings = readSettingsLines(path);
    const auto same = [](const FileResult<QString>& read, const std::optional<QString>& found) {
        return read.ok() == found.has_value() && (!found || *read == *found);
    };
    const QList<std::optional<QString>> k12 = findEachLine(contents, {QStringLiteral("k1="), QStringLiteral("k2=")});
    const QList<std::optional<QString>> k3u =
        findEachLine(contents, {QStringLiteral("k3="), QStringLiteral("Aktualizace:")});
    FUZZ_CHECK(same(settings.k1, k12[0]) && same(settings.k2, k12[1]) && same(settings.k3, k3u[0])
               && same(settings.update, k3u[1]));
    const QList<std::optional<QString>> each = findEachLine(contents, kLookups);
    FUZZ_CHECK(each.size() == kLookups.size());
    bool missing = false;
    for (qsizetype i = 0; i < each.size(); ++i) {
        FUZZ_CHECK(!(missing && each[i]));
        missing = missing || !each[i];
        if (each[i])
            FUZZ_CHECK(each[i]->startsWith(kLookups[i]));
    }
    FUZZ_CHECK(findLines(contents, kLookups).has_value() == !missing);

    // The constants are the numbers of the chained k lines; those read before a
    // fault are kept.
    const FileResult<QList<Real>> constants = magnificationConstants(path);
    const std::optional<QStringList> kLines = findLines(contents, kConstantKeys);
    FUZZ_CHECK(constants->size() == 2);
    if (constants) {
        for (qsizetype i = 0; i < 2; ++i)
            FUZZ_CHECK(toNumber(constantText(k12[i].value())) == constants->at(i));
    }
    if (kLines)
        for (qsizetype i = 0; i < kConstantKeys.size(); ++i)
            constantDisplay(kLines->at(i), i == 2);

    // The mode line replaced: every other line kept in its place, nothing after
    // the end marker that follows it.
    const QString mode = modeLineFor(false);
    const std::optional<QByteArray> rewritten = withModeLine(contents, mode);
    const qsizetype modeAt =
        std::find_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.startsWith("Rezim:"); })
        - lines.begin();
    FUZZ_CHECK(rewritten.has_value() == (modeAt < lines.size()));
    if (rewritten) {
        QList<QByteArray> expected;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            expected << (i == modeAt ? toCp1250(mode) : lines[i]);
            if (i > modeAt && lines[i] == ";")
                break;
        }
        FUZZ_CHECK(splitLines(*rewritten) == expected);
        FUZZ_CHECK(rewriteModeLine(mode, path).ok());
        FUZZ_CHECK(readFile(path).value() == *rewritten);
        FUZZ_CHECK(modeLine(path).value() == mode);
    } else {
        FUZZ_CHECK(!rewriteModeLine(mode, path).ok());
        FUZZ_CHECK(readFile(path).value() == contents);
    }

    // The settings window writes back what it read; a reader finds it again.
    AppConfig config;
    if (const auto calculator = calculatorLine(path))
        config.calculator = calculatorPath(*calculator);
    if (kLines) {
        // A typed constant keeps its value when the settings window adds its 0.
        QString* fields[] = {&config.k1, &config.k2, &config.k3};
        for (qsizetype i = 0; i < 3; ++i) {
            const QString typed = lineValue(kLines->at(i), 4);
            *fields[i] = withLeadingZero(typed);
            if (isTypedDecimal(typed))
                FUZZ_CHECK(isTypedDecimal(*fields[i]) && toNumber(*fields[i]) == toNumber(typed));
        }
    }
    FUZZ_CHECK(writeConfig(config, path).ok());
    FUZZ_CHECK(calculatorLine(path).value() == QStringLiteral("Kalkulacka:") + stored(config.calculator));
    FUZZ_CHECK(magnificationConstants(path).ok() == (isNumber(config.k1) && isNumber(config.k2)));
    FUZZ_CHECK(pointExposureConstant(path).ok() == isNumber(config.k3));
    FUZZ_CHECK(withModeLine(configText(config), config.modeLine) == configText(config));
    return 0;
}

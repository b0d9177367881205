// config.ini (config/config_file.h): every lookup the program makes in it, the
// numeric constants, the mode-line rewrite and the settings window's whole-file
// write, through the real file.
//
// The input is config.ini.
#include "fuzz_support.h"

#include "config/config_file.h"

#include <algorithm>

using namespace noktaris;

namespace {

const QStringList kConstantKeys{QStringLiteral("k1="), QStringLiteral("k2="), QStringLiteral("k3=")};
// The lines the program looks up, one at a time and as a chain.
const QStringList kLookups{QStringLiteral("Rezim:"),    QStringLiteral("Prepinac:"), QStringLiteral("Kalkulacka:"),
                           QStringLiteral("[KONSTANTY]"), QStringLiteral("k1="),       QStringLiteral("k2="),
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

    // A line found is a line of the file beginning with its key; one not found
    // is in no line; the chain finds each key at or after the one before.
    for (const QString& key : kLookups) {
        const std::optional<QString> line = lookupLine(key, path);
        const bool anyLine = std::any_of(lines.begin(), lines.end(),
                                         [&](const QByteArray& l) { return l.startsWith(toCp1250(key)); });
        FUZZ_CHECK(line.has_value() == anyLine);
        if (line)
            FUZZ_CHECK(line->startsWith(key) && (stored(*line) != *line || lines.contains(toCp1250(*line))));
    }
    const std::optional<QStringList> chain = lookupLines(kLookups, path);
    FUZZ_CHECK(chain == findLines(contents, kLookups));
    const QList<std::optional<QString>> each = findEachLine(contents, kLookups);
    FUZZ_CHECK(each.size() == kLookups.size());
    bool missing = false;
    for (qsizetype i = 0; i < each.size(); ++i) {
        FUZZ_CHECK(!(missing && each[i]));
        missing = missing || !each[i];
        if (each[i])
            FUZZ_CHECK(each[i]->startsWith(kLookups[i]));
    }
    FUZZ_CHECK(chain.has_value() == !missing);

    // The constants are the numbers of the chained k lines.
    const Constants constants = readConstants(kConstantKeys, path);
    const std::optional<QStringList> kLines = findLines(contents, kConstantKeys);
    FUZZ_CHECK(constants.values.size() == kConstantKeys.size());
    if (constants.complete) {
        FUZZ_CHECK(kLines);
        for (qsizetype i = 0; i < kConstantKeys.size(); ++i) {
            FUZZ_CHECK(toNumber(lineValue(kLines->at(i), 4)) == constants.values[i]);
            constantDisplay(kLines->at(i), i == 2);
        }
    }

    // The mode line replaced: every other line kept in its place, nothing after
    // the end marker that follows it.
    const QString mode = QStringLiteral("Rezim:2");
    const std::optional<QByteArray> rewritten = withModeLine(contents, mode);
    const qsizetype modeAt = std::find_if(lines.begin(), lines.end(),
                                          [](const QByteArray& l) { return l.startsWith("Rezim:"); })
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
        FUZZ_CHECK(rewriteModeLine(mode, path));
        FUZZ_CHECK(readFile(path) == rewritten);
        FUZZ_CHECK(lookupLine(QStringLiteral("Rezim:"), path) == mode);
    } else {
        FUZZ_CHECK(!rewriteModeLine(mode, path));
        FUZZ_CHECK(readFile(path) == contents);
    }

    // The settings window writes back what it read; a reader finds it again.
    AppConfig config;
    if (const auto calculator = lookupLine(QStringLiteral("Kalkulacka:"), path))
        config.calculator = lineValue(*calculator, 12);
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
    FUZZ_CHECK(writeConfig(config, path));
    FUZZ_CHECK(lookupLine(QStringLiteral("Kalkulacka:"), path) == QStringLiteral("Kalkulacka:") + stored(config.calculator));
    const Constants written = readConstants(kConstantKeys, path);
    FUZZ_CHECK(written.complete == (isNumber(config.k1) && isNumber(config.k2) && isNumber(config.k3)));
    FUZZ_CHECK(withModeLine(configText(config), config.modeLine) == configText(config));
    return 0;
}

// config.ini: thirteen lines of Windows-1250 text ending in a ";" line. Nothing is
// held in memory: each user looks up the line it needs when it needs it.
#pragma once

#include "common/numbers.h"
#include "common/text8bit.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace noktaris {

inline const QString kConfigFile = QStringLiteral("config.ini");
inline const QString kConfigErrorMessage = QStringLiteral("Chyba při zpracování inicializačního souboru config.ini");

// Splits file contents into lines (CR LF, LF or a lone CR end a line).
QList<QByteArray> splitLines(const QByteArray& bytes);

// The first line that begins with keys[0], then the first line after it that
// begins with keys[1], and so on. nullopt when the file cannot be read or a key
// is missing (both are read failures to the users of the file).
std::optional<QStringList> findLines(const QByteArray& contents, const QStringList& keys);
// The same search, key by key: once a key is missing, so are all after it.
QList<std::optional<QString>> findEachLine(const QByteArray& contents, const QStringList& keys);
std::optional<QStringList> lookupLines(const QStringList& keys, const QString& path = kConfigFile);
std::optional<QString> lookupLine(const QString& key, const QString& path = kConfigFile);

// Numeric constants ("k1=", then "k2=" after it ...): the value of each line from
// its fourth character. A constant not obtained counts as 0; complete is false when
// the file could not be read, a line was missing or a value was not a number (the
// reading stops at the first such fault).
struct Constants {
    QList<Real> values;
    bool complete = false;
};
Constants readConstants(const QStringList& keys, const QString& path = kConfigFile);

// A constant's line as the status line shows it: "k1=1,5873" -> "k1 = 1,5873";
// with dropIndex the digit goes too: "k3=1000" -> "k = 1000".
QString constantDisplay(const QString& line, bool dropIndex = false);

// The text from the given 1-based character on ("k1=1,5873" from 4 -> "1,5873").
QString lineValue(const QString& line, int fromCharacter);

// The file with its mode line ("Rezim:...") replaced; every line before and after
// is written back with CR LF, the ";" line without a line break. nullopt when the
// file has no mode line.
std::optional<QByteArray> withModeLine(const QByteArray& contents, const QString& modeLine);
// Rewrites the mode line of the file in place (atomically). false when the file
// cannot be read, has no mode line, or cannot be written (error->writeFailed()).
bool rewriteModeLine(const QString& modeLine, const QString& path = kConfigFile, FileError* error = nullptr);

struct AppConfig {
    QString modeLine = QStringLiteral("Rezim:1");
    bool rememberMode = true;
    QString calculator;
    QString k1 = QStringLiteral("1,5873");
    QString k2 = QStringLiteral("2,7");
    QString k3 = QStringLiteral("1000");
    bool updateCheck = false;
};

// The thirteen lines the settings window writes.
QByteArray configText(const AppConfig& config);
bool writeConfig(const AppConfig& config, const QString& path = kConfigFile, FileError* error = nullptr);

// The settings window's preset lists: an entry and the exact text it stands for.
// A text that none of them has is "Vlastní hodnota", the last entry.
struct Preset {
    const char* entry;
    const char* text;
};
inline constexpr Preset kMagnificationPresets[] = {
    {"Kvalitní optika", "2,5"}, {"Průměrná optika", "1,5873"}, {"Podprůměrná optika", "1,2"}};
inline constexpr Preset kPointExposurePresets[] = {
    {"Expert", "200"}, {"Vysoká přesnost", "600"}, {"Střední přesnost", "1000"}, {"Nízká přesnost", "1397"}};
inline constexpr const char* kOwnValueEntry = "Vlastní hodnota";

// A constant as the settings window stores it: one that begins with a comma gets
// a 0 in front (",5" -> "0,5").
QString withLeadingZero(const QString& text);

// The calculator programs the settings window's finder knows, in the order it
// prefers them, and the finder itself: the first of them in the first folder that
// holds one, as the folder's path + "/" + the name.
inline const QStringList kCalculatorNames = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                                             QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"),
                                             QStringLiteral("xcalc")};
std::optional<QString> findCalculator(const QStringList& folders);

} // namespace noktaris

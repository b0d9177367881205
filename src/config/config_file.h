// config.ini: thirteen lines of Windows-1250 text ending in a ";" line. Nothing is
// held in memory: each user looks up the line it needs when it needs it.
#pragma once

#include "common/file_result.h"
#include "common/numbers.h"

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
// begins with keys[1], and so on; nothing for a key that is missing.
QList<std::optional<QString>> findEachLine(const QByteArray& contents, const QStringList& keys);
// The same, all of them or nothing.
std::optional<QStringList> findLines(const QByteArray& contents, const QStringList& keys);

// The text from the given 1-based character on ("k1=1,5873" from 4 -> "1,5873").
QString lineValue(const QString& line, int fromCharacter);

// --- the lines by what they hold ---------------------------------------------
// Each reader reads the file afresh and finds its line; a file that cannot be
// read and a line that is missing are both failures (the latter "Read beyond end
// of file"). How each caller reads its line is named here, once.

// The start mode: "Rezim:1" is the basic mode, "Rezim:2" the extended one.
FileResult<QString> modeLine(const QString& path = kConfigFile);
QString modeLineFor(bool basic);
// The start's reading: the basic mode when the line begins with "Rezim:1".
bool startsInBasicMode(const QString& modeLine);
// The settings window's reading of the mode and remember lines: on, or the basic
// mode, when the line's last character is 1.
bool lastCharacterIsOne(const QString& line);

// Whether the mode in use is written back at every switch: "Prepinac:1".
FileResult<QString> rememberModeLine(const QString& path = kConfigFile);
// The switch's reading: the whole line is "Prepinac:1".
bool remembersMode(const QString& line);

// The calculator program: "Kalkulacka:" and its path, read from the 12th character.
FileResult<QString> calculatorLine(const QString& path = kConfigFile);
QString calculatorPath(const QString& line);

// The constants: k1 and k2 of the telescope group, k3 of the point exposure. A
// value from its line's 4th character; one not obtained counts as 0, and the
// reading stops at the first fault (the values read before it are kept).
FileResult<QList<Real>> magnificationConstants(const QString& path = kConfigFile);
FileResult<QList<Real>> pointExposureConstant(const QString& path = kConfigFile);
// A constant's line as the status line finds it: the first line beginning with
// "k1", "k2" or "k3" (which = 1 to 3), whatever follows.
FileResult<QString> constantLine(int which, const QString& path = kConfigFile);
// The constant's text as the settings window shows it: from the 4th character.
QString constantText(const QString& line);
// A constant's line as the status line shows it: "k1=1,5873" -> "k1 = 1,5873";
// with dropIndex the digit goes too: "k3=1000" -> "k = 1000".
QString constantDisplay(const QString& line, bool dropIndex = false);

// The update check at start: "Aktualizace:1".
FileResult<QString> updateCheckLine(const QString& path = kConfigFile);
// The start's reading: the whole line is "Aktualizace:1".
bool checksForUpdates(const QString& line);
// The settings window's reading: the line's first 13 characters are "Aktualizace:1".
bool updateCheckBoxOn(const QString& line);

// The seven lines as the settings window loads them from one reading of the file:
// the mode, remember and calculator lines each from the file's start, k2 after k1,
// and the update line after k3.
struct SettingsLines {
    FileResult<QString> mode;
    FileResult<QString> remember;
    FileResult<QString> calculator;
    FileResult<QString> k1;
    FileResult<QString> k2;
    FileResult<QString> k3;
    FileResult<QString> update;
};
SettingsLines readSettingsLines(const QString& path = kConfigFile);

// The file with its mode line replaced; every line before and after is written
// back with CR LF, the ";" line without a line break. nullopt when the file has no
// mode line.
std::optional<QByteArray> withModeLine(const QByteArray& contents, const QString& modeLine);
// Rewrites the mode line of the file in place, through the safe rewrite. Fails
// when the file cannot be read, has no mode line, or cannot be written
// (error().writeFailed()).
FileResult<> rewriteModeLine(const QString& modeLine, const QString& path = kConfigFile);

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
FileResult<> writeConfig(const AppConfig& config, const QString& path = kConfigFile);

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

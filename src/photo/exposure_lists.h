// The fixed texts of the exposure-times window: the filter and reciprocity lists,
// the choices of the point-exposure constant and the notes.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace noktaris::exposure {

// Each item begins with its value, followed by blanks and a description.
const QStringList& filterItems();
const QStringList& reciprocityItems();
// The characters of an item up to, not including, its first blank.
QString leadingValue(const QString& item);

struct ConstantChoice {
    QString text;
    QString value;
};
const std::array<ConstantChoice, 4>& constantChoices();

const QString& dimObjectsNote();   // Memo1
const QString& reciprocityNote();  // Memo2
const QString& constantHelpNote(); // Memo3
inline const QString kConstantHint = QStringLiteral(
    "Význam konstanty najdete v HTML manuálu viz. Výpočty - Expoziční časy - Maximální doba expozice pro bodové "
    "zobrazení");

} // namespace noktaris::exposure

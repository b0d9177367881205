#include "photo/exposure_lists.h"

namespace noktaris::exposure {

const QStringList& filterItems()
{
    // The blanks between value and description vary from item to item on purpose:
    // they line the descriptions up in the list's original face.
    static const QStringList items{
        QStringLiteral("1,0   Bez filtru"),
        QStringLiteral("1,0   #0 (UV)"),
        QStringLiteral("1,4   #3, #8 světle žlutý"),
        QStringLiteral("1,5   #12 tmavě žlutý, Technical Pan a barevný film"),
        QStringLiteral("2,0   #12 tmavě žlutý, černobílý film"),
        QStringLiteral("2,0   #15 (G) tmavě žlutý, Technical Pan a barevný film"),
        QStringLiteral("2,5   #15 (G) tmavě žlutý, černobílý film"),
        QStringLiteral("4,0   #11 (X1) žluto-zelený"),
        QStringLiteral("2,0   #21 oranžový, Technical Pan a barevný film"),
        QStringLiteral("4,0   #21 oranžový, černobílý film"),
        QStringLiteral("2,0   #23A světle červený, Technical Pan a barevný film"),
        QStringLiteral("6,0   #23A světle červený, černobílý film"),
        QStringLiteral("1,5   #25 (A) červený, emisní mlhoviny na Technical Pan"),
        QStringLiteral("3,0   #25 (A) červený, Technical Pan a barevný film"),
        QStringLiteral("8,0   #25 (A) červený, černobílý film"),
        QStringLiteral("1,5   #29 (F) tmavě červený, emisní mlhoviny na Technical Pan"),
        QStringLiteral("8,0   #29 (F) tmavě červený, Technical Pan a barevný film"),
        QStringLiteral("20,0 #29 (F) tmavě červený, černobílý film"),
        QStringLiteral("4,0   #38A modrý"),
        QStringLiteral("12,0 #44 modro-zelený, Technical Pan"),
        QStringLiteral("8,0   #44 modro-zelený, černobílý film"),
        QStringLiteral("8,0   #47 (C5) modrý, Technical Pan"),
        QStringLiteral("6,0   #47 (C5) modrý, černobílý film"),
        QStringLiteral("12,0 #58 (B) zelený, Technical Pan"),
        QStringLiteral("8,0   #58 (B) zelený, černobílý film"),
        QStringLiteral("5,0   #66 tmavě fialový"),
        QStringLiteral("4,0   #80A,B namodralý color balancing filtr"),
        QStringLiteral("2,0   #80C namodralý color balancing filtr"),
        QStringLiteral("1,5   #82, 82A namodralý color balancing filtr"),
        QStringLiteral("1,5   #85, 85B oranžový color balancing filtr"),
        QStringLiteral("1,3   Lumicon minus-violet"),
        QStringLiteral("1,5   Lumicon H-alfa, emisní mlhoviny na Technical Pan"),
        QStringLiteral("5,0   Lumicon H-alfa, ostatní objekty na Technical Pan"),
        QStringLiteral("12,0 Lumicon H-alfa, černobílý film"),
        QStringLiteral("1,2   Širokopásmový mlhovinový  (na emisní mlhoviny)"),
        QStringLiteral("4,0   Širokopásmový mlhovinový (ostatní objekty)"),
        QStringLiteral("1000000  Sluneční filtr, D6.0 (Solar-Skreen)"),
        QStringLiteral("100000    Sluneční filtr, D5.0 (Baader visuální, Thousand Oaks Typ 2)"),
        QStringLiteral("10000      Sluneční filtr, D4.0 (Thousand Oaks Typ 3)"),
        QStringLiteral("6300        Sluneční filtr, D3.8 (Baader fotografický)"),
    };
    return items;
}

const QStringList& reciprocityItems()
{
    static const QStringList items{
        QStringLiteral("1,00   Nulová; fotografie na CCD"),
        QStringLiteral("0,95   Kodak Elite Chrome 100, 200"),
        QStringLiteral("0,90   Novější pomalé filmy; hypersenzibilované filmy"),
        QStringLiteral("0,85   Kodak T-Max 100, 400"),
        QStringLiteral("0,80   Starší pomalé filmy a novější rychlé"),
        QStringLiteral("0,70   Starší rychlé filmy, Kodak Tri-X Pan"),
    };
    return items;
}

QString leadingValue(const QString& item)
{
    const qsizetype blank = item.indexOf(u' ');
    return blank < 0 ? item : item.left(blank);
}

const std::array<ConstantChoice, 4>& constantChoices()
{
    static const std::array<ConstantChoice, 4> choices{{
        {QStringLiteral("Pro přesně bodové zobrazení hvězdy (k = 200)"), QStringLiteral("200")},
        {QStringLiteral("Pro nerozpoznatelnou dráhu hvězdy (k = 600)"), QStringLiteral("600")},
        {QStringLiteral("Pro téměř nerozpoznatelnou dráhu hvězdy (k = 1000)"), QStringLiteral("1000")},
        {QStringLiteral("Pro lehce rozpoznatelnou dráhu hvězdy (k = 1397)"), QStringLiteral("1397")},
    }};
    return choices;
}

// The notes keep their line breaks: each line is one line of the note as shown.
const QString& dimObjectsNote()
{
    static const QString text =
        QStringList{
            QStringLiteral("Výsledné časy pro galaxie a jiné málo jasné objekty berte s rezervou... Pokud nabídka "),
            QStringLiteral("jasností neobsahuje Vámi zvolený objekt nebo objekt jemu podobný, můžete si ji "),
            QStringLiteral("vypočítat v sekci Výpočty poměrných jasností."),
        }
            .join(u'\n');
    return text;
}

const QString& reciprocityNote()
{
    static const QString text =
        QStringList{
            QStringLiteral("Reciproční chyba je snížení citlivosti filmu v důsledku dlouhé expozice. Tuto chybu "),
            QStringLiteral("ovlivňuje také mnoho dalších faktorů, nejvíce však teplota a vlhkost prostředí. Její "),
            QStringLiteral("hodnota se může lišit podle různých sérií výrobků, výrobci ji proto na filmech neuvádí."),
            QStringLiteral("Jejím důsledkem je to, že jsme nuceni u dlouhých expozic dobu osvitu ještě více "),
            QStringLiteral("prodloužit. Přitom je třeba upozornit, že dlouhé expozice reciproční chyba prodlužuje "),
            QStringLiteral("více než krátké, pokud je expoziční doba příliš dlouhá, použijte světelnější sestavu."),
        }
            .join(u'\n');
    return text;
}

const QString& constantHelpNote()
{
    static const QString text =
        QStringList{
            QStringLiteral("Význam konstanty najdete v HTML manuálu v sekci Výpočty - Expoziční časy (2) - "),
            QStringLiteral("Maximální doba expozice pro bodové zobrazení (2.1)."),
        }
            .join(u'\n');
    return text;
}

} // namespace noktaris::exposure

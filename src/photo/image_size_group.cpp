#include "photo/image_size_group.h"

#include "common/flat_tabs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

namespace noktaris {

ImageSizeGroup::ImageSizeGroup(QWidget* parent) : QGroupBox(parent)
{
    setupGroup(this, QStringLiteral("GroupBox4"), QStringLiteral(" Rozměr obrazu objektu na negativu pořízeném "),
               QSize(240, 206));
    RowLayout rows(this, 8, 232, 56);

    TabControl2 = addTabBar(this, QStringLiteral("TabControl2"), QRect(6, 18, 228, 32),
                            {QStringLiteral("Fotoaparátem"), QStringLiteral("Dalekohledem"),
                             QStringLiteral("Afokální konfigurací")});
    makeWrappedFlatTabs(TabControl2);

    Label9 = rows.line(56, QStringLiteral("Label9"), QStringLiteral("Úhlový rozměr objektu na obloze ( ' ):"));
    RozmerEdit = rows.entry(8, 73, 56, QStringLiteral("RozmerEdit"), KeyFilter::Decimal,
                            kOwnValueHint);
    Objekt = rows.pickList(73, QStringLiteral("Objekt"), QStringLiteral("Vyber objekt"), true, 70);
    // Telescope values echoed from the main group; two lines hold the afocal form.
    info2 = rows.line(100, QStringLiteral("info2"), QStringLiteral("D = mm"), LabelStyle::Input, 2);

    // The camera lens: the whole lens on the first tab, the one behind the eyepiece
    // on the afocal tab.
    FfotEdit3 = rows.field(133, QStringLiteral("FfotEdit3"), QStringLiteral("Label12"),
                           QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"), KeyFilter::Decimal,
                           kValueHint, 2, &Label12);
    // The main group copies its eyepiece here, so any text may arrive: no key filter.
    ffokedit3 = rows.field(160, QStringLiteral("ffokedit3"), QStringLiteral("Label29"),
                           QStringLiteral("Ohnisková vzdál. okuláru (mm):"), std::nullopt, QString(), 1, &Label29);
    Rozmer = rows.line(186, QStringLiteral("Rozmer"), QStringLiteral("Rozměr:"), LabelStyle::ResultBold, 1, 196);
    BitBtn4 = addResetButton(this, QStringLiteral("BitBtn4"), QPoint(210, 183), {RozmerEdit, FfotEdit3, ffokedit3});

    connect(TabControl2, &QTabBar::currentChanged, this, &ImageSizeGroup::showTabFields);
    TabControl2->setCurrentIndex(0);
    showTabFields(0);
}

void ImageSizeGroup::showTabFields(int tab)
{
    const bool cameraLens = tab == 0;
    const bool afocal = tab == 2;
    info2->setVisible(!cameraLens);
    Label12->setVisible(cameraLens || afocal);
    FfotEdit3->setVisible(cameraLens || afocal);
    Label29->setVisible(afocal);
    ffokedit3->setVisible(afocal);
}

} // namespace noktaris

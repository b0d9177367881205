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

    const QString valueHint = QStringLiteral("Zadejte hodnotu");
    TabControl2 = addTabBar(this, QStringLiteral("TabControl2"), QRect(6, 18, 228, 32),
                            {QStringLiteral("Fotoaparátem"), QStringLiteral("Dalekohledem"),
                             QStringLiteral("Afokální konfigurací")});
    makeWrappedFlatTabs(TabControl2);

    Label9 = addLabel(this, QStringLiteral("Label9"), QStringLiteral("Úhlový rozměr objektu na obloze ( ' ):"),
                      QRect(8, 56, 224, kLabelHeight));
    RozmerEdit = addEdit(this, QStringLiteral("RozmerEdit"), QRect(8, 73, 56, kEditHeight), QStringLiteral("0"),
                         KeyFilter::Decimal, QStringLiteral("Zde můžete zadat vlastní hodnotu"));
    Objekt = addPickList(this, QStringLiteral("Objekt"), QRect(70, 73, 162, 22), QStringLiteral("Vyber objekt"));

    // Telescope values echoed from the main group; two lines hold the afocal form.
    info2 = addLabel(this, QStringLiteral("info2"), QStringLiteral("D = mm"), QRect(8, 100, 224, 26));
    info2->setWordWrap(true);
    info2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The camera lens: the whole lens on the first tab, the one behind the eyepiece
    // on the afocal tab.
    Label12 = addLabel(this, QStringLiteral("Label12"), QStringLiteral("Ohnisková vzdál. objektivu fotoaparátu (mm):"),
                       QRect(8, 130, 166, 26));
    Label12->setWordWrap(true);
    FfotEdit3 = addEdit(this, QStringLiteral("FfotEdit3"), QRect(176, 133, 56, kEditHeight), QStringLiteral("0"),
                        KeyFilter::Decimal, valueHint);
    // The main group copies its eyepiece here, so any text may arrive: no key filter.
    Label29 = addLabel(this, QStringLiteral("Label29"), QStringLiteral("Ohnisková vzdál. okuláru (mm):"),
                       QRect(8, 163, 166, kLabelHeight));
    ffokedit3 = addEdit(this, QStringLiteral("ffokedit3"), QRect(176, 160, 56, kEditHeight), QStringLiteral("0"),
                        std::nullopt);

    Rozmer = addLabel(this, QStringLiteral("Rozmer"), QStringLiteral("Rozměr:"), QRect(8, 186, 196, kLabelHeight),
                      LabelStyle::ResultBold);
    BitBtn4 = addResetButton(this, QStringLiteral("BitBtn4"), QPoint(210, 183));

    connect(BitBtn4, &QPushButton::clicked, this, &ImageSizeGroup::BitBtn4Click);
    connect(TabControl2, &QTabBar::currentChanged, this, &ImageSizeGroup::showTabFields);
    TabControl2->setCurrentIndex(0);
    showTabFields(0);
}

void ImageSizeGroup::BitBtn4Click()
{
    RozmerEdit->setText(QStringLiteral("0"));
    FfotEdit3->setText(QStringLiteral("0"));
    ffokedit3->setText(QStringLiteral("0"));
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

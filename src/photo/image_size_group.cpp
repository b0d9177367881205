#include "photo/image_size_group.h"

#include "common/flat_tabs.h"
#include "photo/image_size.h"

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

    TabControl2 = addTabBar(
        this, QStringLiteral("TabControl2"), QRect(6, 18, 228, 32),
        {QStringLiteral("Fotoaparátem"), QStringLiteral("Dalekohledem"), QStringLiteral("Afokální konfigurací")});
    makeWrappedFlatTabs(TabControl2);

    Label9 = rows.line(56, QStringLiteral("Label9"), QStringLiteral("Úhlový rozměr objektu na obloze ( ' ):"));
    RozmerEdit = rows.entry(8, 73, 56, QStringLiteral("RozmerEdit"), KeyFilter::Decimal, kOwnValueHint);
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
    Rozmer = rows.line(186, QStringLiteral("Rozmer"), imagesize::kSizeCaption, LabelStyle::ResultBold, 1, 196);
    BitBtn4 = addResetButton(this, QStringLiteral("BitBtn4"), QPoint(210, 183), {RozmerEdit, FfotEdit3, ffokedit3});

    TabControl2->setCurrentIndex(0);
    showTabFields(0);
    connect(TabControl2, &QTabBar::currentChanged, this, &ImageSizeGroup::TabControl2Change);
    for (QLineEdit* field : {RozmerEdit, FfotEdit3, ffokedit3})
        connect(field, &QLineEdit::textChanged, this, &ImageSizeGroup::RozmerEditChange);
}

void ImageSizeGroup::setTelescopeFields(const QLineEdit* aperture, const QLineEdit* focalLength,
                                        const QLineEdit* eyepiece)
{
    aperture_ = aperture;
    focalLength_ = focalLength;
    eyepiece_ = eyepiece;
}

void ImageSizeGroup::showTelescope()
{
    if (!aperture_)
        return;
    // The texts as typed, not converted numbers.
    const QString F = focalLength_->text();
    if (TabControl2->currentIndex() == 1)
        info2->setText(QStringLiteral("F = ") + F + QStringLiteral(" mm"));
    else if (TabControl2->currentIndex() == 2)
        info2->setText(QStringLiteral("D = ") + aperture_->text() + QStringLiteral(" mm, F = ") + F
                       + QStringLiteral(" mm, f(okuláru) = ") + eyepiece_->text() + QStringLiteral(" mm"));
}

void ImageSizeGroup::TabControl2Change()
{
    showTabFields(TabControl2->currentIndex());
    showTelescope();
    Rozmer->setText(imagesize::kSizeCaption);
    RozmerEditChange();
}

void ImageSizeGroup::RozmerEditChange()
{
    const int tab = TabControl2->currentIndex();
    if (tab != 0 && !aperture_)
        return;
    // No caption first: a size that cannot be computed leaves the last one shown.
    guarded([&] {
        const Real alpha = numberIn(RozmerEdit);
        Real size = 0;
        if (tab == 0)
            size = imagesize::primeFocus(alpha, numberIn(FfotEdit3), kScale);
        else if (tab == 1)
            size = imagesize::primeFocus(alpha, numberIn(focalLength_), kScale);
        else
            size = imagesize::afocal(alpha, numberIn(focalLength_), numberIn(FfotEdit3), numberIn(ffokedit3), kScale);
        Rozmer->setText(imagesize::sizeText(size));
    });
    QList<const QLineEdit*> tested{RozmerEdit};
    if (tab == 0)
        tested << FfotEdit3;
    else if (tab == 1)
        tested << focalLength_;
    else
        tested << FfotEdit3 << ffokedit3 << aperture_ << focalLength_;
    if (hasNegativeInput(tested))
        Rozmer->setText(imagesize::kSizeCaption);
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

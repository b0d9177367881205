// The CCD, field-of-view, image-size and guiding groups of the basic-mode window,
// typed into as a user would.
#include "support/window_test.h"

#include "optics/ccd_group.h"
#include "optics/lens_field_group.h"
#include "optics/telescope_group.h"
#include "photo/exposure_group.h"
#include "photo/guiding_group.h"
#include "photo/image_size_group.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>

namespace noktaris::test {
namespace {

const QString kScale = QStringLiteral("Úhlové zvětšení na pixel:");
const QString kField = QStringLiteral("Zorné pole:");

class BasicGroups : public WindowTest {
protected:
    void SetUp() override
    {
        folder.write(QStringLiteral("data/CCD.dat"), "#name=Kodak KAF-0400$x1=6,9$y1=4,6$x2=768$y2=512$");
        folder.write(QStringLiteral("data/Filmy.dat"), "#name=Kinofilm$x=36$y=24$");
        folder.write(QStringLiteral("data/Rozmery.dat"), "#name=Objekt$r=30$");
        folder.write(QStringLiteral("data/Dalekohledy.dat"), "#name=Refraktor$D=100$F=1000$");
        folder.write(QStringLiteral("data/Okulary.dat"), "#name=Okular$f=25$u=50$");
        start({Application::Window::Basic});
    }
};

TEST_F(BasicGroups, CcdGroupShowsScaleAndFieldOrBothCaptions)
{
    CcdGroup* g = form1()->GroupBox7;
    EXPECT_EQ((QStringList{g->CCD1->text(), g->CCD2->text(), g->CCD3->text(), g->CCD4->text()}),
              (QStringList{"6,9", "4,6", "768", "512"}));
    const QStringList chip{"Úhlové zvětšení na pixel: 3,71'' x 3,71''", "Zorné pole: 0° 47' 26'' x 0° 31' 38''"};
    struct Step {
        QLineEdit* field;
        const char* text;
        QStringList results;
    };
    const Step steps[] = {
        {g->FobjEdit, "500", chip},
        // The pixel counts take any key; a letter resets both results.
        {g->CCD3, "76a", {kScale, kField}},
        {g->CCD3, "768", chip},
        {g->CCD4, "0", {kScale, kField}},
        {g->CCD4, "512", chip},
        {g->FobjEdit, "0", {kScale, kField}},
    };
    for (const Step& s : steps) {
        type(s.field, s.text);
        EXPECT_EQ(texts({g->UhlZvetseni, g->ZorPole2}), s.results) << s.field->objectName().toStdString() << s.text;
    }
    // Absurd sizes overflow: the general error report, then the captions.
    type(g->FobjEdit, "500");
    ModalAnswerer answerer;
    g->CCD1->setText(QStringLiteral("1E4930"));
    EXPECT_EQ(answerer.texts(), QStringList{QStringLiteral("Floating point overflow")});
    EXPECT_EQ(texts({g->UhlZvetseni, g->ZorPole2}), (QStringList{kScale, kField}));
    g->BitBtn5->click();
    for (const QLineEdit* field : {g->CCD1, g->CCD2, g->CCD3, g->CCD4, g->FobjEdit})
        EXPECT_EQ(field->text(), QStringLiteral("0"));
    EXPECT_EQ(g->ZorPole2->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(g->SpeedButton3->toolTip(), QStringLiteral("Ukaž zorné pole"));
}

TEST_F(BasicGroups, CameraLensFieldWithItsSignCheck)
{
    LensFieldGroup* g = form1()->GroupBox5;
    EXPECT_EQ((QStringList{g->FF1->text(), g->FF2->text()}), (QStringList{"36", "24"}));
    const struct {
        const char *w, *f, *text;
    } rows[] = {
        {"36", "50", "Zorné pole: 39° 35' 52'' x 26° 59' 29''"},
        {"0", "50", "Zorné pole: 0° 0' 0'' x 26° 59' 29''"},
        {"36", "0", "Zorné pole:"},
        {"36", "", "Zorné pole:"},
        {"-36", "50", "Zorné pole:"}, // pasted
    };
    for (const auto& r : rows) {
        g->FF1->setText(QString::fromUtf8(r.w));
        g->FfotEdit4->setText(QString::fromUtf8(r.f));
        EXPECT_EQ(g->ZorPole->text(), QString::fromUtf8(r.text)) << r.w << " " << r.f;
    }
}

TEST_F(BasicGroups, ImageSizeOnEachTabAndFromTheTelescopeGroup)
{
    ImageSizeGroup* g = form1()->GroupBox4;
    TelescopeGroup* telescope = form1()->GroupBox1;
    EXPECT_EQ(g->RozmerEdit->text(), QStringLiteral("30"));
    EXPECT_EQ(g->ffokedit3->text(), QStringLiteral("25")); // copied from the telescope group
    type(g->FfotEdit3, "1000");
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr: 8,726 mm"));
    type(g->RozmerEdit, "0");
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr:"));
    type(g->RozmerEdit, "30");

    g->TabControl2->setCurrentIndex(1); // F = 1000 from the telescope group
    EXPECT_EQ(g->info2->text(), QStringLiteral("F = 1000 mm"));
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr: 8,726 mm"));
    EXPECT_FALSE(g->FfotEdit3->isVisibleTo(g));
    telescope->FdalEdit->setText(QStringLiteral("-1000"));
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr:"));
    type(telescope->FdalEdit, "1000");

    g->TabControl2->setCurrentIndex(2);
    type(g->FfotEdit3, "50");
    EXPECT_EQ(g->info2->text(), QStringLiteral("D = 100 mm, F = 1000 mm, f(okuláru) = 25 mm"));
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr: 17,452 mm"));
    // The eyepiece field takes any key; 0 divides by zero and the size stays.
    type(g->ffokedit3, "0");
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr: 17,452 mm"));
    type(telescope->FokEdit, "50");
    EXPECT_EQ(g->info2->text(), QStringLiteral("D = 100 mm, F = 1000 mm, f(okuláru) = 50 mm"));
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr: 8,726 mm"));
    type(g->RozmerEdit, "");
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr: 8,726 mm"));
    g->TabControl2->setCurrentIndex(0); // the tab change writes the caption first
    EXPECT_EQ(g->Rozmer->text(), QStringLiteral("Rozměr:"));
}

TEST_F(BasicGroups, GuidingToleranceAndItsThreeVerdicts)
{
    GuidingGroup* g = form1()->GroupBox6;
    const QString pending = QString(28, u' ') + QStringLiteral("Potvrzení") + QString(28, u' ');
    const QString ok = QString(29, u' ') + QStringLiteral("Vše OK") + QString(30, u' ');
    const QString demanding = QStringLiteral("Nárok na přesnost jako v primárním ohnisku dal.!");
    const QColor olive(128, 128, 0), lime(0, 255, 0), red(255, 0, 0);
    const auto verdict = [&] {
        return std::make_pair(g->Potvrzeni->text(), g->Potvrzeni->palette().color(QPalette::Window));
    };
    EXPECT_EQ(verdict(), std::make_pair(pending, olive));
    const struct {
        const char *s, *P, *F, *tolerance;
        QString text;
        QColor colour;
    } rows[] = {
        {"0,2", "1000", "50", "Tolerance: 3,5", ok, lime},
        {"0,2", "500", "1000", "Tolerance: 0,0875", demanding, red},
        {"0,2", "200", "35", "Tolerance: 1", demanding, red},
        {"0,2", "0", "0", "Tolerance:", pending, olive},
        {"0,2", "1000", "", "Tolerance:", pending, olive},
    };
    for (const auto& r : rows) {
        type(g->CtverecEdit, r.s);
        type(g->PointEdit, r.P);
        type(g->FfotEdit5, r.F);
        EXPECT_EQ(g->Tolerance->text(), QString::fromUtf8(r.tolerance)) << r.P << " " << r.F;
        EXPECT_EQ(verdict(), std::make_pair(r.text, r.colour)) << r.P << " " << r.F;
    }
    type(g->FfotEdit5, "50");
    g->BitBtn8->click(); // s goes to 0 as well: no result
    EXPECT_EQ(g->CtverecEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(verdict(), std::make_pair(pending, olive));
}

} // namespace
} // namespace noktaris::test

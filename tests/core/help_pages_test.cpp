// The help pages delivered in html/: UTF-8 with a declared charset, each page
// linking every page of the manual, every link inside the manual leading to a page
// and an id that exist, and the planning pages' worked examples quoting their
// windows' results. (Their HTML is checked by tidy, the test help_pages_valid.)
#include "planning/sampling.h"
#include "planning/sky.h"
#include "support/program_folder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace noktaris::test {
namespace {

const QStringList kPages{QStringLiteral("index.html"),  QStringLiteral("popis.html"),  QStringLiteral("vypocty.html"),
                         QStringLiteral("kamera.html"), QStringLiteral("obloha.html"), QStringLiteral("aplikace.html")};

QString pageText(const QString& page)
{
    QFile file(QStringLiteral("html/") + page);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    return utf8.hasError() ? QString() : text;
}

QSet<QString> idsOf(const QString& text)
{
    QSet<QString> ids;
    static const QRegularExpression id(QStringLiteral(R"re(\sid="([^"]+)")re"));
    for (auto it = id.globalMatch(text); it.hasNext();) {
        const QString found = it.next().captured(1);
        EXPECT_FALSE(ids.contains(found)) << "id used twice: " << found.toStdString();
        ids.insert(found);
    }
    return ids;
}

TEST(HelpPages, AreUtf8CzechPagesThatLinkEachOther)
{
    ProgramFolder folder;
    for (const QString& page : kPages) {
        SCOPED_TRACE(page.toStdString());
        const QString text = pageText(page);
        ASSERT_FALSE(text.isEmpty()) << "missing, empty or not UTF-8";
        EXPECT_TRUE(text.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"cs\">")));
        EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        EXPECT_TRUE(text.contains(QStringLiteral("<link rel=\"stylesheet\" href=\"styl.css\">")));
        for (const QString& other : kPages)
            EXPECT_TRUE(text.contains(QStringLiteral("href=\"") + other + u'"'))
                << "no link to " << other.toStdString();
    }
}

TEST(HelpPages, EveryLinkInsideTheManualResolves)
{
    ProgramFolder folder;
    static const QRegularExpression link(QStringLiteral(R"re((?:href|src)="([^"]*)")re"));
    int checked = 0;
    for (const QString& page : kPages) {
        const QString text = pageText(page);
        for (auto it = link.globalMatch(text); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.startsWith(QStringLiteral("https://")) || target.startsWith(QStringLiteral("http://"))
                || target.startsWith(QStringLiteral("mailto:")))
                continue;
            SCOPED_TRACE((page + QStringLiteral(" -> ") + target).toStdString());
            const qsizetype hash = target.indexOf(u'#');
            const QString file = hash < 0 ? target : target.left(hash);
            const QString fragment = hash < 0 ? QString() : target.mid(hash + 1);
            const QString targetPage = file.isEmpty() ? page : file;
            ASSERT_FALSE(targetPage.contains(QStringLiteral(".."))) << "the manual stays in its folder";
            EXPECT_TRUE(QFile::exists(QStringLiteral("html/") + targetPage));
            if (!fragment.isEmpty()) {
                EXPECT_TRUE(idsOf(pageText(targetPage)).contains(fragment));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, kPages.size() * kPages.size()) << "the pages' own navigation alone links every page from each";
}

// The worked example of "Kamera na dalekohledu" (200/1000 with a 0,8× reducer, an
// IMX571 camera, seeing 2,5'', 550 nm, 30 s) shows the labels the window computes
// for its values, at δ 30° and at the pole, each as a highlighted result.
TEST(HelpPages, CameraPageQuotesTheWindowsResultsForItsExample)
{
    ProgramFolder folder;
    const QString page = pageText(QStringLiteral("kamera.html"));
    ASSERT_FALSE(page.isEmpty());
    using namespace sampling;
    const auto n = [](const char* text) { return toNumber(QString::fromUtf8(text)); };
    const Real D = n("200"), F = n("1000"), c = n("0,8"), p = n("3,76"), nx = n("6248"), ny = n("4176"), b = n("1");
    const Real seeing = n("2,5"), lambda = n("550"), t = n("30");
    const Real Fe = effectiveFocal(F, c);
    const Real N = divide(Fe, D);
    const Real scale = pixelScale(p, b, Fe);
    const Real fwhm = starSize(seeing, lambda, D);
    const struct {
        const char* declination;
        QStringList labels;
    } rows[] = {
        {"30",
         {effectiveText(F, c, D), scaleText(p, b, Fe), fieldText(nx, ny, p, Fe), fwhmText(fwhm),
          samplingText(fwhm, scale), adviceText(fwhm, p, b, F, Fe), airyText(lambda, N, p, b), focusText(lambda, N),
          dawesText(D, scale), npfText(N, p, Fe, n("30")), rule500Text(nx, ny, p, Fe), trailText(t, n("30"), scale)}},
        {"90", {npfText(N, p, Fe, n("90")), trailText(t, n("90"), scale)}},
    };
    for (const auto& row : rows)
        for (const QString& label : row.labels)
            EXPECT_TRUE(page.contains(QStringLiteral("<span class=\"vysledek\">") + label + QStringLiteral("</span>")))
                << "δ " << row.declination << ": " << label.toStdString();
}

// The worked examples of "Obloha a expozice" (200/800 with a 25 % obstruction, a
// mono IMX571 camera at gain 0, a Bortle 5 sky of 20 mag/''², 80 % transmission, a
// nebula of 24 mag/''², 5 % and SNR 20): luminance, Hα with the shortest sub and
// with 300 s subs, binning 2 and a colour camera. Each of the six labels the window
// computes for them is shown as a highlighted result.
TEST(HelpPages, SkyPageQuotesTheWindowsResultsForItsExamples)
{
    ProgramFolder folder;
    const QString page = pageText(QStringLiteral("obloha.html"));
    ASSERT_FALSE(page.isEmpty());
    using namespace sky;
    const auto n = [](const char* text) { return toNumber(QString::fromUtf8(text)); };
    const Optics optics{n("200"), n("800"), n("1"), n("25")};
    const Camera mono{n("3,76"), n("1"), n("3,5"), n("50000"), n("91"), false};
    const Real skyBrightness = n("20"), target = n("24"), transmission = n("80"), tolerance = n("5"), wanted = n("20");
    // The labels in the window's order; an empty sub is the shortest one, unrounded.
    const auto labels = [&](const Camera& camera, const char* band, bool emission, const char* sub) {
        const Real S = rate(skyBrightness, n(band), optics, camera, transmission);
        const Real O = rate(target, emission ? Real(300) : n(band), optics, camera, transmission);
        const Real tMin = minimalSub(S, camera, tolerance);
        const Real t = *sub ? n(sub) : tMin;
        const Real sigma1 = subSnr(O, S, t, camera);
        const Real subs = subsNeeded(wanted, sigma1);
        return QStringList{skyRateText(S),     targetRateText(O),
                           minSubText(tMin),   saturationText(saturationTime(S, camera), t),
                           subSnrText(sigma1), totalText(subs, totalSeconds(subs, t))};
    };
    Camera binned = mono;
    binned.b = n("2");
    Camera colour = mono;
    colour.qe = n("80");
    colour.colour = true;
    const struct {
        const char* example;
        QStringList labels;
    } rows[] = {
        {"L 300 nm", labels(mono, "300", false, "")},
        {"Hα 7 nm, the shortest sub", labels(mono, "7", true, "")},
        {"Hα 7 nm, 300 s", labels(mono, "7", true, "300")},
        {"L 300 nm, binning 2", labels(binned, "300", false, "")},
        {"L 300 nm, colour camera", labels(colour, "300", false, "")},
    };
    for (const auto& row : rows)
        for (const QString& label : row.labels)
            EXPECT_TRUE(page.contains(QStringLiteral("<span class=\"vysledek\">") + label + QStringLiteral("</span>")))
                << row.example << ": " << label.toStdString();
}

} // namespace
} // namespace noktaris::test

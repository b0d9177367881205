// The help pages delivered in html/: UTF-8 with a declared charset, each page
// linking the other three, and every link inside the manual leading to a page
// and an id that exist. (Their HTML is checked by tidy, the test help_pages_valid.)
#include "support/program_folder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

#include <gtest/gtest.h>

namespace noktaris::test {
namespace {

const QStringList kPages{QStringLiteral("index.html"), QStringLiteral("popis.html"), QStringLiteral("vypocty.html"),
                         QStringLiteral("aplikace.html")};

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
    EXPECT_GT(checked, 4 * 4) << "the pages' own navigation alone has sixteen links";
}

} // namespace
} // namespace noktaris::test

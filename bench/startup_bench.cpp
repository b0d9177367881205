// Start-up time: creating the sixteen windows and the first show of the basic-mode
// window, with the delivered catalogues and with catalogues of many records.
#include "app/startup.h"
#include "bench_util.h"
#include "catalogue/catalogue.h"
#include "common/safe_write.h"
#include "support/fake_platform.h"
#include "support/program_folder.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>

using namespace noktaris;

namespace {

// Every catalogue rewritten with `records` records of realistic names and values,
// in no particular order, as records added over the years are.
void fillCatalogues(int records)
{
    for (int k = 0; k < kCatalogueCount; ++k) {
        const auto kind = CatalogueKind(k);
        QByteArray line;
        for (int i = 0; i < records; ++i) {
            const int number = int(std::int64_t(i) * 7919 % records); // a permutation: 7919 is prime
            CatalogueRecord record{QStringLiteral("Záznam číslo %1").arg(number, 6, 10, QLatin1Char('0')), {}};
            for (qsizetype f = 0; f < catalogueInfo(kind).keys.size(); ++f)
                record.values << QString::number(10 + (i * 7 + f * 13) % 990) + QStringLiteral(",5");
            line += recordText(record, kind);
        }
        if (!replaceFile(cataloguePath(kind), line, false))
            std::fprintf(stderr, "could not write %s\n", qPrintable(cataloguePath(kind)));
    }
}

} // namespace

int main(int argc, char** argv)
{
    bench::chooseHeadlessPlatform();
    QApplication app(argc, argv);
    test::FakePlatformScope fake;
    const int runs = 21;
    {
        test::ProgramFolder folder;
        bench::startUpMs(3); // warm-up: fonts, styles, translations
        std::printf("start-up, delivered catalogues: median %.2f ms over %d runs\n", bench::startUpMs(runs), runs);
    }
    for (int records : {1000, 10000}) {
        test::ProgramFolder folder;
        fillCatalogues(records);
        std::printf("start-up, %d-record catalogues: median %.2f ms over %d runs\n", records, bench::startUpMs(runs),
                    runs);
    }
    {
        const int bigRuns = 5;
        test::ProgramFolder folder;
        fillCatalogues(100000);
        std::printf("start-up, 100000-record catalogues: median %.2f ms over %d runs (target: at most 300 ms)\n",
                    bench::startUpMs(bigRuns), bigRuns);
    }
    {
        // A broken catalogue: a "#" with no "$" after it, 1 MB of them in every file.
        const int bigRuns = 5;
        test::ProgramFolder folder;
        for (int k = 0; k < kCatalogueCount; ++k)
            if (!replaceFile(cataloguePath(CatalogueKind(k)), QByteArray(1 << 20, '#'), false))
                std::fprintf(stderr, "could not write %s\n", qPrintable(cataloguePath(CatalogueKind(k))));
        std::printf("start-up, 1 MB of \"#\" in every catalogue: median %.2f ms over %d runs\n",
                    bench::startUpMs(bigRuns), bigRuns);
    }
    return 0;
}

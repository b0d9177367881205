// Start-up time: creating the sixteen windows and the first show of the basic-mode
// window, with the delivered catalogues and with catalogues of many records.
#include "app/startup.h"
#include "bench_util.h"
#include "catalogue/catalogue.h"
#include "common/text8bit.h"
#include "support/fake_platform.h"
#include "support/program_folder.h"

#include <QApplication>

#include <cstdio>

using namespace noktaris;

namespace {

// Every catalogue rewritten with `records` records of realistic names and values.
void fillCatalogues(int records)
{
    for (int k = 0; k < kCatalogueCount; ++k) {
        const auto kind = CatalogueKind(k);
        QByteArray line;
        for (int i = 0; i < records; ++i) {
            CatalogueRecord record{QStringLiteral("Záznam číslo %1").arg(i, 5, 10, QLatin1Char('0')), {}};
            for (qsizetype f = 0; f < catalogueInfo(kind).keys.size(); ++f)
                record.values << QString::number(10 + (i * 7 + f * 13) % 990) + QStringLiteral(",5");
            line += recordText(record, kind);
        }
        replaceFile(cataloguePath(kind), line, false);
    }
}

double measureStartUp(int runs)
{
    return bench::medianMs(
        runs, [] {}, [] { startUp(); },
        [] {
            destroyWindows();
            QCoreApplication::processEvents();
        });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    test::FakePlatformScope fake;
    const int runs = 21;
    {
        test::ProgramFolder folder;
        measureStartUp(3); // warm-up: fonts, styles, translations
        std::printf("start-up, delivered catalogues: median %.2f ms over %d runs\n", measureStartUp(runs), runs);
    }
    for (int records : {1000, 2000, 4000}) {
        test::ProgramFolder folder;
        fillCatalogues(records);
        std::printf("start-up, %d-record catalogues: median %.2f ms over %d runs\n", records, measureStartUp(runs),
                    runs);
    }
    return 0;
}

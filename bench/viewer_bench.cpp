// The field-of-view viewer: the first showing of a picture (decode, scale, first
// paint of the display area) beside djpeg decoding the same file at full size; a
// zoom change, a tab change and a frame layout; and the program's start-up with
// and without the viewer's pictures.
#include "app/application.h"
#include "app/startup.h"
#include "bench_util.h"
#include "common/widgets.h"
#include "viewer/display_widgets.h"
#include "viewer/frame_layout.h"
#include "viewer/picture_file.h"
#include "viewer/viewer_window.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLineEdit>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTabBar>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace noktaris;

namespace {

// djpeg decoding the file, the whole command as a user would time it: at full size,
// or at a scale ("1/8").
double djpegMs(const QString& path, int runs, const QString& scale = QString())
{
    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    if (djpeg.isEmpty())
        return -1;
    QStringList arguments{QStringLiteral("-outfile"), QStringLiteral("/dev/null"), path};
    if (!scale.isEmpty())
        arguments = QStringList{QStringLiteral("-scale"), scale} + arguments;
    return bench::medianMs(
        runs, [] {}, [&] { QProcess::execute(djpeg, arguments); }, [] {});
}

// The decode alone inside this process, at full size or at the scale that covers
// the display area.
double decodeMs(const QString& path, QSize cover, int runs)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    return bench::medianMs(
        runs, [] {}, [&] { pictures::decodeJpeg(bytes, cover); }, [] {});
}

// A 24-megapixel astrophotograph-like JPEG, as a camera of that size gives it: a
// sky glow, a soft nebula, a few thousand stars and the sensor's grain.
QString makeLargePicture(const QString& folder)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient glow(0, 0, 6000, 4000);
    glow.setColorAt(0, QColor(8, 10, 24));
    glow.setColorAt(1, QColor(40, 30, 30));
    painter.fillRect(image.rect(), glow);
    QRadialGradient nebula(3000, 2000, 1500);
    nebula.setColorAt(0, QColor(220, 90, 120, 200));
    nebula.setColorAt(0.5, QColor(90, 40, 120, 90));
    nebula.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(image.rect(), nebula);
    QRandomGenerator random(42);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4000; ++i) {
        const QPointF at(random.bounded(6000.0), random.bounded(4000.0));
        const qreal radius = 1.5 + random.bounded(6.0) * random.bounded(1.0);
        QRadialGradient star(at, radius);
        star.setColorAt(0, Qt::white);
        star.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(star);
        painter.drawEllipse(at, radius, radius);
    }
    painter.end();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(13)) - 6;
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + grain, 255), qBound(0, qGreen(p) + grain, 255),
                           qBound(0, qBlue(p) + grain, 255));
        }
    }
    const QString path = folder + QStringLiteral("/data/large.jpg");
    QImageWriter writer(path, "JPEG");
    writer.setQuality(90);
    writer.write(image);
    return path;
}

// Decode, scale and paint the display area, the cache missed on purpose by a new
// modification time of the file.
double firstShownMs(TForm16* viewer, const QString& path, int runs)
{
    int tick = 0;
    return bench::medianMs(
        runs,
        [&] {
            QFile file(path);
            file.open(QIODevice::ReadWrite);
            file.setFileTime(QDateTime::currentDateTime().addSecs(++tick), QFileDevice::FileModificationTime);
        },
        [&] {
            viewer->Image->load(path);
            viewer->grab(viewer::kDisplayArea);
        },
        [] {});
}

void report(const char* what, double ms, const char* target)
{
    std::printf("%-58s median %8.3f ms   %s\n", what, ms, target);
}

} // namespace

int main(int argc, char** argv)
{
    bench::Session session(argc, argv);
    const test::ProgramFolder& folder = session.folder;
    const int runs = 21;

    {
        startUp();
        auto* viewer = application().form16();
        viewer->show();
        QCoreApplication::processEvents();

        // The largest delivered picture by its pixels, and one of 24 megapixels.
        QString largest;
        qint64 pixels = 0;
        for (const QFileInfo& file :
             QDir(folder.path(QStringLiteral("data"))).entryInfoList({QStringLiteral("*.jpg")})) {
            const QSize size = QImage(file.filePath()).size();
            if (qint64(size.width()) * size.height() > pixels) {
                pixels = qint64(size.width()) * size.height();
                largest = file.filePath();
            }
        }
        const QString large = makeLargePicture(folder.path(QString()));
        for (const QString& path : {largest, large}) {
            const QSize size = QImage(path).size();
            std::printf("%s, %d x %d pixels, %lld bytes:\n", qPrintable(QFileInfo(path).fileName()), size.width(),
                        size.height(), QFileInfo(path).size());
            const int n = path == large ? 11 : runs;
            const double djpeg = djpegMs(path, n);
            const double shown = firstShownMs(viewer, path, n);
            const QString file =
                QStringLiteral("%1 (%2 x %3)").arg(QFileInfo(path).fileName()).arg(size.width()).arg(size.height());
            bench::figure("djpeg", file, djpeg);
            bench::figure("shown", file, shown);
            report("  djpeg -outfile /dev/null, full size (the command)", djpeg, "");
            const QString eighth = QStringLiteral("1/8");
            report("  djpeg -scale 1/8 (the same command at the least scale)", djpegMs(path, n, eighth), "");
            report("  libjpeg in this process, full size", decodeMs(path, QSize(), n), "");
            report("  libjpeg in this process, the scale that covers 635 x 500", decodeMs(path, QSize(635, 500), n),
                   "");
            char target[64];
            std::snprintf(target, sizeof target, "(target: at most %.3f ms, half of djpeg)", djpeg / 2);
            report("  first shown: decode, scale, paint of the display area", shown, target);
        }

        // Each change below ends with the display area painted again.
        int step = 0;
        viewer->ComboBox1->setCurrentIndex(1);
        viewer->ComboBox1Change();
        const double zoom = bench::medianMs(
            runs, [] {},
            [&] {
                viewer->ComboBox2->setCurrentIndex(++step % 2);
                viewer->ComboBox2Change();
                viewer->grab(viewer::kDisplayArea);
            },
            [] {});
        report("zoom change (100% <-> 75%)", zoom, "(target: under 16 ms)");
        const double tab = bench::medianMs(
            runs, [] {},
            [&] {
                viewer->TabControl1->setCurrentIndex(1 + ++step % 2);
                viewer->grab(viewer::kDisplayArea);
            },
            [] {});
        report("tab change (CCD <-> film, the tab's own values)", tab, "(target: under 16 ms)");
        const double frame = bench::medianMs(
            runs, [] {},
            [&] {
                viewer->aa->setText(++step % 2 ? QStringLiteral("1000") : QStringLiteral("1200"));
                viewer->grab(viewer::kDisplayArea);
            },
            [] {});
        report("frame layout (a focal length typed)", frame, "(target: under 16 ms)");
        bench::figure("change", QStringLiteral("zoom"), zoom);
        bench::figure("change", QStringLiteral("tab"), tab);
        bench::figure("change", QStringLiteral("frame"), frame);
        destroyWindows();
        QFile::remove(large);
    }

    // The viewer reads its list and checks its second picture at creation and
    // decodes it when first shown. Runs with and without the pictures alternate,
    // so that both see the machine alike.
    const QByteArray list = folder.read(QStringLiteral("data/pics.dat"));
    std::vector<double> with, without;
    bench::startUpMs(3);
    for (int i = 0; i < 2 * runs; ++i) {
        folder.write(QStringLiteral("data/pics.dat"), i % 2 ? QByteArray(";\r\n") : list);
        (i % 2 ? without : with).push_back(bench::startUpMs(1));
    }
    const auto median = [](std::vector<double> times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    const double withPictures = median(with);
    const double withoutPictures = median(without);
    bench::figure("start-up", QStringLiteral("without pictures"), withoutPictures);
    bench::figure("start-up", QStringLiteral("with pictures"), withPictures);
    report("start-up without pictures (an empty list)", withoutPictures, "");
    char target[64];
    std::snprintf(target, sizeof target, "(%+.1f %%; target: at most +10 %%)",
                  100 * (withPictures - withoutPictures) / withoutPictures);
    report("start-up with the delivered pictures", withPictures, target);
    return 0;
}

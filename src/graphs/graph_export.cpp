// The graphs window's panel as a Windows bitmap: made from the widgets themselves,
// with the program's credit line, and saved through the safe rewrite.
#include "graphs/graph_window.h"

#include "common/messages.h"
#include "common/safe_write.h"
#include "common/version.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QPainter>

namespace noktaris {

namespace {

const QString kCredit = kProgramName;
const QPoint kCreditAt(340, 304);

} // namespace

QImage TForm12::panelPicture()
{
    QImage picture(kGraphPanelSize, QImage::Format_RGB32);
    picture.fill(palette().color(QPalette::Window));
    Panel1->render(&picture);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, kGraphPanelSize.width() - 1, kGraphPanelSize.height() - 1);
    // The credit line in navy on the window's colour, its text cell at kCreditAt.
    QFont plain = font();
    plain.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(plain);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect cell(kCreditAt, QSize(metrics.horizontalAdvance(kCredit), metrics.height()));
    painter.fillRect(cell, palette().color(QPalette::Window));
    painter.setPen(QColor(0, 0, 128));
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, kCredit);
    return picture;
}

bool TForm12::savePicture(const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    panelPicture().save(&buffer, "BMP");
    if (const FileResult<> saved = replaceFile(path, bytes, false); !saved) {
        showError(saveFailedMessage(QDir::toNativeSeparators(path), saved.error()));
        return false;
    }
    return true;
}

void TForm12::BitBtn2Click()
{
    QFileDialog dialog(this, QStringLiteral("Uložit graf jako BMP"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("(*.bmp)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    // The name is tested and written with one ".bmp", typed or not.
    QString path = dialog.selectedFiles().first();
    if (!path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
        path += QStringLiteral(".bmp");
    if (QFileInfo::exists(path) && !confirm(QStringLiteral("Soubor již existuje, chcete ho přepsat?")))
        return;
    savePicture(path);
}

} // namespace noktaris

#include "platform/qt/printing.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QFile>

#include "platform/qt/picture_image.h"

namespace tarnwick {

namespace {

// The whole picture, as large as the page allows, undistorted and centred.
bool paintPage(QPagedPaintDevice& device, const QImage& image) {
    device.setPageOrientation(image.width() > image.height() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect page = painter.viewport();
    QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2, page.y() + (page.height() - size.height()) / 2,
                       size.width(), size.height());
    painter.drawImage(target, image);
    return painter.end();
}

}  // namespace

// The first free number: a file that exists, or appears meanwhile, is never written over.
PrintResult printToPdf(const Picture& page) {
    if (page.empty()) return {};
    const QImage image = imageOf(page);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("tarnwick-print-%1.pdf").arg(n);
        if (QFileInfo::exists(name)) continue;
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (QFileInfo::exists(name)) continue;
            return {false, name.toStdString()};
        }
        bool ok;
        {
            QPdfWriter writer(&file);
            writer.setResolution(300);
            writer.setTitle(QStringLiteral("Tarnwick maze"));
            ok = paintPage(writer, image);
        }
        ok = file.flush() && ok && file.error() == QFileDevice::NoError;
        file.close();
        if (!ok) file.remove();  // no half page left behind
        return {ok, name.toStdString()};
    }
}

PrintResult printPicture(const Picture& page) {
    if (page.empty()) return {};
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) return printToPdf(page);
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tarnwick maze"));
    return {paintPage(printer, imageOf(page)), printerInfo.printerName().toStdString()};
}

}  // namespace tarnwick

#include "platform/qt/printing.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QFile>

#include "platform/plain_file.h"
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

// The first free number: anything at a name, a link that leads nowhere too, takes
// it, and what appears there meanwhile is never written over.
PrintResult printToPdf(const Picture& page) {
    if (page.empty()) return {};
    const QImage image = imageOf(page);
    // A directory with a million prints in it is one where the next is not wanted.
    constexpr int lastNumber = 1'000'000;
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("tarnwick-print-%1.pdf").arg(n);
        if (n == lastNumber) return {false, name.toStdString()};
        if (!nameIsFree(name.toStdString())) continue;
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (!nameIsFree(name.toStdString())) continue;
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

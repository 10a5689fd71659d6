// Pages through a real print queue: a print server of our own, with a PDF
// printer as its default printer. Skipped where such a server cannot be started.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "pdf_pages.h"
#include "platform/qt/printing.h"
#include "support/headless_work_dir.h"

namespace tarnwick::test {
namespace {

const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
const QString lpadmin = QStringLiteral("/usr/sbin/lpadmin");
const QString pdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString pdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString pdfSettings = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString queue = QStringLiteral("tarnwickpdf");

bool writeText(const QString& fileName, const QString& text) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Where the PDF printer puts a job of this user: its "Out" setting, with the
// user's home and name put in.
QString pdfOutputDir() {
    const passwd* user = getpwuid(geteuid());
    if (!user) return {};
    QString out = QStringLiteral("/var/spool/cups-pdf/${USER}");
    QFile settings(pdfSettings);
    if (settings.open(QIODevice::ReadOnly))
        for (const QString& line : QString::fromUtf8(settings.readAll()).split('\n')) {
            const QString l = line.trimmed();
            if (l.startsWith(QStringLiteral("Out "))) out = l.mid(4).trimmed();
        }
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    return out;
}

// A print server in a directory of its own, listening on a local socket only,
// with the PDF printer as its default. Stops the server it started on leaving.
class PrivatePrintServer {
public:
    ~PrivatePrintServer() {
        qunsetenv("CUPS_SERVER");
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(10000)) server_.kill();
        server_.waitForFinished(5000);
    }

    // Empty when the server runs with the queue as default, else why not.
    std::string start() {
        if (geteuid() != 0) return "the PDF printer runs only under a server started by root";
        for (const QString& needed : {cupsd, lpadmin, pdfBackend, pdfDriver})
            if (!QFileInfo::exists(needed)) return needed.toStdString() + " is not installed";
        if (!root_.isValid()) return "no temporary directory";
        const QString d = root_.path();
        // The server's filters run as another user and must reach the spool.
        QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                     QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);
        for (const char* sub : {"spool/tmp", "cache", "log", "run"}) QDir(d).mkpath(QString::fromLatin1(sub));
        socket_ = d + QStringLiteral("/run/cups.sock");
        const bool configured =
            writeText(d + QStringLiteral("/cupsd.conf"),
                      QStringLiteral("Listen %1\nLogLevel warn\n<Location />\n  Order allow,deny\n  Allow all\n"
                                     "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                     "  </Limit>\n</Policy>\n")
                          .arg(socket_)) &&
            writeText(d + QStringLiteral("/cups-files.conf"),
                      QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/run\n"
                                     "TempDir %1/spool/tmp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                     "PageLog %1/log/page_log\n")
                          .arg(d)) &&
            // Job numbers of their own, so that servers of parallel runs name their files apart.
            writeText(d + QStringLiteral("/cache/job.cache"),
                      QStringLiteral("NextJobId %1\n").arg(QRandomGenerator::global()->bounded(100000, 900000)));
        if (!configured) return "cannot write the server's settings";
        server_.setWorkingDirectory(d);
        server_.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/cupsd.conf"),
                              QStringLiteral("-s"), d + QStringLiteral("/cups-files.conf")});
        if (!server_.waitForStarted(10000)) return "the print server does not start";
        for (int i = 0; i < 100 && !QFileInfo::exists(socket_); ++i)
            if (server_.waitForFinished(100)) return "the print server stopped at once";
        if (!QFileInfo::exists(socket_)) return "the print server does not listen";
        qputenv("CUPS_SERVER", socket_.toLocal8Bit());
        if (!run(lpadmin, {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                           QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), pdfDriver}) ||
            !run(lpadmin, {QStringLiteral("-d"), queue}))
            return "the PDF printer cannot be set up";
        return {};
    }

private:
    QTemporaryDir root_{QStringLiteral("/tmp/tarnwick-cups-XXXXXX")};
    QString socket_;
    QProcess server_;
};

// The PDF files in the printer's output directory.
QStringList pdfFiles(const QString& dir) {
    return QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

TEST(PrintQueue, APagePrintedOnTheDefaultPrinterComesOutOfTheQueue) {
    // A directory of its own: a PDF page left by an earlier run of the program
    // must not pass for one that the queue failed to take.
    TempWorkDir dir;
    PrivatePrintServer server;
    if (const std::string why = server.start(); !why.empty()) GTEST_SKIP() << why;
    const QString outDir = pdfOutputDir();
    const QStringList before = pdfFiles(outDir);

    const PrintResult result = printPicture(markedWindow());
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.where, queue.toStdString());

    // The queue works on its own time: wait for the new file to be complete.
    QString made;
    for (int i = 0; i < 300 && made.isEmpty(); ++i) {
        QThread::msleep(100);
        for (const QString& name : pdfFiles(outDir))
            if (!before.contains(name) && pdfPageCount(outDir + '/' + name) >= 1) made = outDir + '/' + name;
    }
    ASSERT_FALSE(made.isEmpty()) << "no page came out in " << outDir.toStdString();
    QThread::msleep(500);  // let the printer finish writing
    EXPECT_EQ(pdfPageCount(made), 1);
    if (canRenderPdf()) {
        const std::optional<QImage> page = renderPdfPage(made, 1);
        ASSERT_TRUE(page);
        EXPECT_EQ(pageShowsMarkedWindow(*page), "");
    }
    QFile::remove(made);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("tarnwick-print-1.pdf"))) << "the printer took the page";
}

}  // namespace
}  // namespace tarnwick::test

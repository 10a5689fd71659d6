#include "pdf_pages.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTransform>

#include <cstdlib>
#include <string>

namespace tarnwick::test {

namespace {

constexpr std::uint32_t red = 0x0000FF, blue = 0xFF0000, green = 0x00FF00;  // &HBBGGRR
constexpr int windowWidth = 160, windowHeight = 80;

bool near(QRgb pixel, int r, int g, int b) {
    return std::abs(qRed(pixel) - r) < 40 && std::abs(qGreen(pixel) - g) < 40 && std::abs(qBlue(pixel) - b) < 40;
}

}  // namespace

int pdfPageCount(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(page));
}

bool canRenderPdf() { return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(); }

std::optional<QImage> renderPdfPage(const QString& fileName, int page) {
    QTemporaryDir out;
    const QString prefix = out.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                                              QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                              QString::number(page), QStringLiteral("-singlefile"), fileName, prefix});
    if (!render.waitForFinished(30000) || render.exitCode() != 0) return std::nullopt;
    QImage image(prefix + QStringLiteral(".png"));
    if (image.isNull()) return std::nullopt;
    return image;
}

Picture markedWindow() {
    Picture picture(windowWidth, windowHeight, red);
    for (int y = 0; y < windowHeight; ++y)
        for (int x = windowWidth / 2; x < windowWidth; ++x) picture.at(x, y) = blue;
    for (int y = 30; y < 50; ++y)
        for (int x = 70; x < 90; ++x) picture.at(x, y) = green;
    return picture;
}

namespace {

std::string showsMarkedWindow(const QImage& page) {
    int left = page.width(), right = -1, top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!near(page.pixel(x, y), 255, 255, 255)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0) return "the page is blank";
    const int w = right - left + 1, h = bottom - top + 1;
    const std::string box = std::to_string(w) + "x" + std::to_string(h) + " at " + std::to_string(left) + "," +
                            std::to_string(top) + " on " + std::to_string(page.width()) + "x" +
                            std::to_string(page.height());
    if (std::abs(w - 2 * h) > 3) return "the picture is distorted: " + box;
    const bool fills = std::abs(left - (page.width() - 1 - right)) <= 2 && std::abs(top - (page.height() - 1 - bottom)) <= 2;
    if (!fills) return "the picture is not centred: " + box;
    if (std::min(left, top) > page.height() / 8) return "the picture does not fill the page: " + box;
    auto at = [&](double fx, double fy) { return page.pixel(left + static_cast<int>(fx * w), top + static_cast<int>(fy * h)); };
    if (!near(at(0.25, 0.2), 255, 0, 0)) return "no red on the left: " + box;
    if (!near(at(0.75, 0.8), 0, 0, 255)) return "no blue on the right: " + box;
    if (!near(at(0.5, 0.5), 0, 255, 0)) return "no green in the middle: " + box;
    return {};
}

}  // namespace

// A printer may lay a wide page across portrait paper: either quarter turn counts.
std::string pageShowsMarkedWindow(const QImage& rendered) {
    const QImage page = rendered.convertToFormat(QImage::Format_RGB32);
    std::string why = showsMarkedWindow(page);
    if (why.empty() || page.width() > page.height()) return why;
    for (int turn : {90, 270})
        if (showsMarkedWindow(page.transformed(QTransform().rotate(turn))).empty()) return {};
    return why;
}

}  // namespace tarnwick::test

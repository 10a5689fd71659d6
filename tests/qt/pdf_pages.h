#pragma once
#include <QImage>
#include <QString>

#include <optional>

#include "core/picture.h"

namespace tarnwick::test {

// The pages of a PDF file, counted from its page objects.
int pdfPageCount(const QString& fileName);

// One page rendered by the system's PDF renderer (pdftoppm); none where it is missing.
bool canRenderPdf();
std::optional<QImage> renderPdfPage(const QString& fileName, int page);

// A window picture with parts that tell where they are: red on the left, blue on
// the right, a green square in the middle.
Picture markedWindow();

// Tells why a rendered page does not show markedWindow() scaled to fit the page
// and centred on it, upright or turned a quarter across portrait paper; empty when it does.
std::string pageShowsMarkedWindow(const QImage& rendered);

}  // namespace tarnwick::test

// Printing through Qt's print support (a PDF file is a printer too).
#include "framework/printing.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "framework/modal_runner.h"
#include "framework/system_dialogs.h"
#include "framework/text_view.h"

namespace kvx {

bool printPages(PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(job.title).left(80));
    PrintRequest& r = job.request;
    // Through the request, so that "all pages" follows the user's choice of a page range.
    if (!runPrintDialog(printer, r)) return false;
    printer.setCopyCount(std::max(1, r.copies));

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    if (!job.fontName.empty()) {
        FontDescription d;
        d.name = job.fontName;
        d.size = static_cast<std::uint16_t>(job.fontSize);
        if (auto f = fontFromDescription(d)) font = *f;
    }
    font.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() : 10);
    painter.setFont(font);

    // Millimetres to device pixels with the printer's resolution.
    const double perMmX = printer.logicalDpiX() / 25.4;
    const double perMmY = printer.logicalDpiY() / 25.4;
    TextViewGeometry g;
    g.cell = cellSizeForHeight(static_cast<int>(std::lround(font.pointSizeF() * printer.logicalDpiY() / 72.0)));
    g.leftMargin = static_cast<int>(std::lround(job.marginLeftMm * perMmX));
    g.topMargin = static_cast<int>(std::lround(job.marginTopMm * perMmY));
    const int areaBottom = printer.height() - static_cast<int>(std::lround(job.marginBottomMm * perMmY));
    const int linesPerPage = std::max(1, (areaBottom - g.topMargin) / std::max(1, g.cell.lineHeight) + 1);

    const int first = std::max(job.firstPage, r.allPages ? job.firstPage : r.fromPage);
    const int last = std::min(job.lastPage, r.allPages ? job.lastPage : r.toPage);
    for (int page = first; page <= last; ++page) {
        if (page > first) printer.newPage();
        TextPage text;
        const bool more = job.drawPage ? job.drawPage(page, linesPerPage, text) : false;
        drawTextPage(painter, text, g);
        modalRunner().pagePrinted(QString::fromStdString(job.title), page, textPageLines(text));
        if (!more) break;
    }
    return painter.end();
}

}  // namespace kvx

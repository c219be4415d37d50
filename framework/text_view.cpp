// Text pages drawn at character cells.
#include "framework/text_view.h"

#include <QFontInfo>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <cmath>

#include "base/cp1252.h"
#include "framework/char_cell_metrics.h"

namespace kvx {

CellSize cellSizeForHeight(int pixelHeight) {
    const int h = pixelHeight == 0 ? 10 : std::abs(pixelHeight);
    CellSize cell;
    // Integer arithmetic: 0.7 * 45 is 31.499... in binary floating point, not the tie 31.5 (which goes to 32).
    cell.lineHeight = roundHalfEven(14LL * h, 10);
    cell.charWidth = roundHalfEven(7LL * h, 10);
    return cell;
}

CellSize cellSizeFromFont(const QFont& font) {
    int px = font.pixelSize();
    if (px <= 0) px = QFontInfo(font).pixelSize();
    return cellSizeForHeight(px);
}

QColor programColour(int number) {
    static const QColor kColours[17] = {Qt::black,
                                        Qt::black,
                                        QColor(128, 0, 0),
                                        QColor(0, 128, 0),
                                        QColor(128, 128, 0),
                                        QColor(0, 0, 128),
                                        QColor(128, 0, 128),
                                        QColor(0, 128, 128),
                                        QColor(128, 128, 128),
                                        QColor(192, 192, 192),
                                        QColor(255, 0, 0),
                                        QColor(0, 255, 0),
                                        QColor(0, 0, 255),
                                        QColor(255, 255, 0),
                                        QColor(255, 0, 255),
                                        QColor(0, 255, 255),
                                        QColor(255, 255, 255)};
    return number >= 0 && number <= 16 ? kColours[number] : kColours[0];
}

std::optional<QFont> fontFromDescription(const FontDescription& d) {
    if (!d.hasFont()) return std::nullopt;
    // No style hint, stated explicitly so that none is inherited from a parent widget's font: a hint overrides
    // the system's metric-compatible stand-in for a missing family (Arial -> Nimbus Sans) with a generic,
    // wider font, and the character-cell layouts then clip their texts.
    QFont font(QString::fromStdString(cp1252ToUtf8(d.name)));
    font.setStyleHint(QFont::AnyStyle);
    font.setPointSize(std::max<int>(1, d.size));
    font.setBold(d.bold());
    font.setItalic(d.italic != 0);
    return font;
}

void drawTextPage(QPainter& painter, const TextPage& page, const TextViewGeometry& g) {
    const int last = g.visibleLines > 0 ? g.firstLine + g.visibleLines - 1 : page.lineCount();
    const QPen pen = painter.pen();
    if (page.highlightedLine >= g.firstLine && page.highlightedLine <= last && page.highlightColour == 0) {
        const int y = (page.highlightedLine - g.firstLine) * g.cell.lineHeight + g.topMargin;
        painter.fillRect(QRect(0, y, painter.device()->width(), g.cell.lineHeight),
                         QPalette().color(QPalette::Highlight).lighter(170));
    }
    for (const auto& item : page.items) {
        if (item.line <= 0 || item.line < g.firstLine || item.line > last) continue;
        const int x = (item.column - 1) * g.cell.charWidth + g.leftMargin;
        const int y = (item.line - g.firstLine) * g.cell.lineHeight + g.topMargin;
        const bool coloured = page.highlightColour != 0 && item.line == page.highlightedLine;
        painter.setPen(coloured ? QPen(programColour(page.highlightColour)) : pen);
        const QString text = QString::fromStdString(item.text);
        const int cells = static_cast<int>(text.toUcs4().size());
        if (cells >= 3 && text.count(QLatin1Char('-')) == text.size()) {
            // A rule of '-' runs through all its cells: the glyphs alone are narrower than the cells.
            const int mid = y + g.cell.lineHeight / 2;
            painter.drawLine(x, mid, x + cells * g.cell.charWidth - 1, mid);
        } else if (item.rightAligned) {
            // Its right end at the end of its last character cell, whatever the widths of the font's glyphs.
            const int right = x + cells * g.cell.charWidth;
            painter.drawText(QRect(right - 4000, y, 4000, g.cell.lineHeight), Qt::AlignRight | Qt::AlignVCenter, text);
        } else {
            painter.drawText(QRect(x, y, 4000, g.cell.lineHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
    painter.setPen(pen);
}

QStringList textPageLines(const TextPage& page) {
    QStringList out;
    for (const auto& line : textFileLines(page)) out << QString::fromStdString(line);
    return out;
}

}  // namespace kvx

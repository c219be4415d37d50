// Painted views.
#include "app/ui/view_canvas.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace kvx {

namespace {
constexpr int kStartTop = 24;
constexpr int kMargin = 4;
}  // namespace

ViewCanvas::ViewCanvas(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    m_cell = cellSizeFromFont(m_font);
}

int ViewCanvas::lineAt(int y) const {
    return static_cast<int>(std::lround(static_cast<double>(y + 5) / std::max(1, m_cell.lineHeight)));
}

void ViewCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    if (m_start) {
        paintStartPage(painter);
        return;
    }
    if (!m_fontLines.empty()) {
        paintFontLines(painter);
        return;
    }
    // The cell size is taken from the font before every pass: a dialog shown in between may have left
    // its own.
    painter.setFont(m_font);
    m_cell = cellSizeFromFont(m_font);
    TextViewGeometry g;
    g.cell = m_cell;
    g.leftMargin = kMargin;
    g.topMargin = 0;
    g.firstLine = topLine();
    drawTextPage(painter, m_page, g);
}

int ViewCanvas::topLine() const {
    return firstLine && !m_start ? std::max(1, firstLine()) : 1;
}

void ViewCanvas::paintStartPage(QPainter& painter) {
    int y = kStartTop;
    QFont font;
    for (const StartPageLine& line : m_start->centred) {
        font = QFont(QStringLiteral("Arial"), line.pointSize);
        font.setItalic(line.italic);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        painter.drawText(QRect(0, y, width(), metrics.height()), Qt::AlignHCenter | Qt::AlignVCenter,
                         QString::fromStdString(line.text));
        y += metrics.height() + metrics.height() / 4;
    }
    // The stock block lies on the text lines of the last font drawn with.
    painter.setFont(font);
    m_cell = cellSizeFromFont(font);
    TextViewGeometry g;
    g.cell = m_cell;
    g.leftMargin = kMargin;
    g.topMargin = 0;
    drawTextPage(painter, m_start->stockBlock, g);
}

void ViewCanvas::paintFontLines(QPainter& painter) {
    int y = kMargin;
    for (const FontLine& line : m_fontLines) {
        painter.setFont(line.font);
        const CellSize cell = cellSizeFromFont(line.font);
        painter.drawText(QRect(kMargin, y, width() - kMargin, cell.lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         line.text);
        y += 2 * cell.lineHeight;
    }
    // Clicks are counted in lines of the page font; this view selects nothing.
    m_cell = cellSizeFromFont(m_font);
}

void ViewCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLineClick)
        onLineClick(lineAt(event->position().toPoint().y()) + topLine() - 1, false);
}

void ViewCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLineClick)
        onLineClick(lineAt(event->position().toPoint().y()) + topLine() - 1, true);
}

}  // namespace kvx

// Painted views.
#include "app/ui/view_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace kvx {

ViewCanvas::ViewCanvas(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

int ViewCanvas::lineAt(int y) const {
    const CellSize cell = cellSizeFromFont(m_font);
    return static_cast<int>(std::lround(static_cast<double>(y + 5) / std::max(1, cell.lineHeight)));
}

void ViewCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (customPaint) {
        customPaint(painter);
        return;
    }
    painter.setFont(m_font);
    TextViewGeometry g;
    g.cell = cellSizeFromFont(m_font);
    g.leftMargin = 0;
    g.topMargin = 0;
    drawTextPage(painter, m_page, g);
}

void ViewCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLineClick) onLineClick(lineAt(event->position().toPoint().y()), false);
}

void ViewCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onLineClick) onLineClick(lineAt(event->position().toPoint().y()), true);
}

}  // namespace kvx
